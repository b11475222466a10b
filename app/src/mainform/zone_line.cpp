#include "tamovid/app/mainform/zone_line.h"

#include "tamovid/app/mainform/look.h"
#include "tamovid/birthentry/form_record.h"
#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

// Twips within the input panel: under the zone list and the calculate button.
constexpr int kLineLeft = 120;
constexpr int kLineTop = 3420;
constexpr int kLineWidth = 8745;
constexpr int kLinePixelHeight = 12;
constexpr double kLinePoints = 7.5;

}  // namespace

std::string ZoneLineText(const BirthEntry& entry,
                         std::optional<atlas::LocalTimeInZone::Kind> unsettled) {
    const BirthRecord record = FillBirthRecord(entry, {});
    std::string ut = UniversalTimeText(record);
    if (const auto t = ut.find('T'); t != std::string::npos) {
        ut[t] = ' ';
    }
    std::string text = "UT " + ut + ", UTC" + UtcOffsetText(RecordOffsetMinutes(record));
    if (!entry.tz.empty()) {
        text += ", " + entry.tz;
    }
    if (unsettled == atlas::LocalTimeInZone::Kind::kNonexistent) {
        text += ": this clock time did not exist there";
    } else if (unsettled == atlas::LocalTimeInZone::Kind::kAmbiguous) {
        text += ": this clock time happened twice there";
    } else if (entry.utcOffsetMinutes) {
        text += ": the place's exact offset is used";
    }
    return text;
}

ZoneLine::ZoneLine(QWidget* panel, TextSource source) : QLabel(panel), source_(std::move(source)) {
    setObjectName(QStringLiteral("lblZoneLine"));
    setFont(UiFont(kLinePoints));
    setTextFormat(Qt::PlainText);
    setGeometry(Px(kLineLeft), Px(kLineTop), Px(kLineWidth), kLinePixelHeight);
    Refresh();
}

void ZoneLine::Refresh() {
    setText(source_());
    // A long zone name with a note may run past the panel; the tip holds it whole.
    setToolTip(text());
}

}  // namespace tamovid
