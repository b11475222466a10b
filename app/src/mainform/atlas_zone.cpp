#include "tamovid/app/mainform/atlas_zone.h"

#include <QCheckBox>
#include <QComboBox>

#include "tamovid/app/dialogs/user_interface.h"
#include "tamovid/birthentry/place_zone.h"
#include "tamovid/render/qt_text.h"

namespace tamovid {

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

BirthEntry AtlasZone::EnteredDate() const {
    BirthEntry entry;
    entry.cboDate = controls_.date->currentIndex();
    entry.cboMonth = controls_.month->currentIndex();
    entry.cboYear = controls_.year->currentIndex();
    entry.cboHour = controls_.hour->currentIndex();
    entry.cboMinute = controls_.minute->currentIndex();
    return entry;
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
    auto resolved = EnteredTimeInZone(EnteredDate(), zone_);
    if (!resolved.ok()) {
        // A zone this system's database cannot give: the user sets it by hand.
        const std::string message = resolved.error().message;
        Release();
        emit unreadable(QString::fromStdString(message));
        return;
    }
    if (!resolved.value()) {
        return;  // no such day: the form's date check says so
    }
    local_ = *std::move(resolved).value();
    // Before a gap or at the first of a double hour until calculating settles it.
    Show(local_->offset);
}

void AtlasZone::Show(const atlas::ZoneOffset& offset) {
    BirthEntry entry;
    ApplyZoneOffset(entry, offset, zone_);
    exactOffset_ = entry.utcOffsetMinutes;
    controls_.timeZone->setCurrentIndex(entry.cboTimeZone);
    controls_.dst->setChecked(entry.chkDST);
    emit changed();
}

bool AtlasZone::SettleClockTime(UserInterface& ui) {
    const std::optional<atlas::LocalTimeInZone::Kind> kind = Unsettled();
    if (!kind) {
        return true;
    }
    const BirthEntry entered = EnteredDate();
    const std::string clocks = ClockChangeMessage(entered, zone_, *local_);
    if (*kind == atlas::LocalTimeInZone::Kind::kNonexistent) {
        ui.message(Text(clocks) + u'\r' +
                       tr("Change the time of birth, or choose the time zone from the list "
                          "yourself."),
                   QMessageBox::Warning);
        return false;
    }
    const std::string question =
        clocks + "\rWas the birth in daylight time (" + atlas::UtcText(local_->offset.minutes) +
        ")? Choose No for standard time (" + atlas::UtcText(local_->later.minutes) + ").";
    const bool daylight = ui.question(Text(question));
    const atlas::ZoneOffset chosen = daylight ? local_->offset : local_->later;
    Show(chosen);
    settled_ = true;
    emit changed();
    return true;
}

}  // namespace tamovid
