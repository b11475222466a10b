#include "tamovid/app/atlas_zone.h"

#include <QCheckBox>
#include <QComboBox>

#include <charconv>
#include <variant>

#include "tamovid/app/user_interface.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/birthentry/zone_choice.h"

namespace tamovid {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

AtlasZone::AtlasZone(const ZoneControls& controls, QObject* parent)
    : QObject(parent), controls_(controls) {
    setObjectName(QStringLiteral("atlasZone"));
    for (QComboBox* list :
         {controls_.date, controls_.month, controls_.year, controls_.hour, controls_.minute}) {
        connect(list, &QComboBox::currentIndexChanged, this, &AtlasZone::DateChanged);
    }
    // Only the user's own choices hand the zone back; the form setting them does not.
    connect(controls_.timeZone, &QComboBox::activated, this, &AtlasZone::Release);
    connect(controls_.dst, &QCheckBox::clicked, this, &AtlasZone::Release);
}

std::optional<AtlasZone::LocalDate> AtlasZone::EnteredDate() const {
    const std::string yearText = YearListText(controls_.year->currentIndex());
    int year = 0;
    const auto [end, error] =
        std::from_chars(yearText.data(), yearText.data() + yearText.size(), year);
    if (error != std::errc() || controls_.date->currentIndex() < 0 ||
        controls_.month->currentIndex() < 0 || controls_.hour->currentIndex() < 0 ||
        controls_.minute->currentIndex() < 0) {
        return std::nullopt;
    }
    return LocalDate{year, controls_.month->currentIndex() + 1, controls_.date->currentIndex() + 1,
                     controls_.hour->currentIndex(), controls_.minute->currentIndex()};
}

void AtlasZone::Follow(const std::string& zone) {
    zone_ = zone;
    DateChanged();
}

void AtlasZone::Restore(const BirthEntry& entry) {
    zone_ = entry.tz;
    // The stored offset is the chart's own, also when its zone name was left out (unknown
    // here, or not matching the offset), as the command-line tool takes it.
    exactOffset_ = entry.utcOffsetMinutes;
    local_.reset();
    settled_ = true;
    emit changed();
}

void AtlasZone::Release() {
    const bool wasFollowing = Following();
    zone_.clear();
    exactOffset_.reset();
    local_.reset();
    if (wasFollowing) {
        emit changed();
    }
}

void AtlasZone::AddTo(BirthEntry& entry) const {
    entry.utcOffsetMinutes = exactOffset_;
    entry.tz = zone_;
}

std::optional<atlas::LocalTimeInZone::Kind> AtlasZone::Unsettled() const {
    if (!Following() || settled_ || !local_ ||
        local_->kind == atlas::LocalTimeInZone::Kind::kUnique) {
        return std::nullopt;
    }
    return local_->kind;
}

void AtlasZone::DateChanged() {
    if (!Following()) {
        return;
    }
    settled_ = false;
    local_.reset();
    const std::optional<LocalDate> date = EnteredDate();
    if (!date) {
        return;
    }
    Result<atlas::LocalTimeInZone, atlas::ZoneError> resolved = atlas::ResolveLocalTime(
        zone_, date->year, date->month, date->day, date->hour, date->minute);
    if (!resolved.ok()) {
        // A zone this system's database does not know: the user sets it by hand.
        Release();
        return;
    }
    local_ = std::move(resolved).value();
    // Before a gap or at the first of a double hour until calculating settles it.
    Show(local_->offset);
}

void AtlasZone::Show(const atlas::ZoneOffset& offset) {
    BirthEntry entry;
    ApplyZoneOffset(entry, offset.minutes, offset.dst, offset.abbreviation, zone_);
    exactOffset_ = entry.utcOffsetMinutes;
    controls_.timeZone->setCurrentIndex(entry.cboTimeZone);
    controls_.dst->setChecked(entry.chkDST);
    emit changed();
}

bool AtlasZone::SettleClockTime(UserInterface& ui) {
    const std::optional<atlas::LocalTimeInZone::Kind> kind = Unsettled();
    const std::optional<LocalDate> date = EnteredDate();
    if (!kind || !date) {
        return true;
    }
    const LocalDate& d = *date;
    if (*kind == atlas::LocalTimeInZone::Kind::kNonexistent) {
        ui.message(Text(atlas::NonexistentTimeMessage(zone_, d.year, d.month, d.day, d.hour,
                                                      d.minute, *local_)),
                   QMessageBox::Warning);
        return false;
    }
    const std::string question =
        atlas::AmbiguousTimeMessage(zone_, d.year, d.month, d.day, d.hour, d.minute, *local_) +
        "\rWas the birth in daylight time (" + atlas::UtcText(local_->offset.minutes) +
        ")? Choose No for standard time (" + atlas::UtcText(local_->later.minutes) + ").";
    const bool daylight = ui.question(Text(question));
    const atlas::ZoneOffset chosen = daylight ? local_->offset : local_->later;
    Show(chosen);
    settled_ = true;
    emit changed();
    return true;
}

}  // namespace tamovid
