#pragma once

#include <QObject>

#include <optional>
#include <string>

#include "tamovid/atlas/zone_time.h"
#include "tamovid/birthentry/birth_entry.h"

class QCheckBox;
class QComboBox;

namespace tamovid {

class UserInterface;

/// The form's lists that say when the birth was, and the zone controls that follow.
struct ZoneControls {
    QComboBox* date = nullptr;
    QComboBox* month = nullptr;
    QComboBox* year = nullptr;
    QComboBox* hour = nullptr;
    QComboBox* minute = nullptr;
    QComboBox* timeZone = nullptr;
    QCheckBox* dst = nullptr;
};

/// Keeps the zone list and the daylight-saving box true to a place's time zone while
/// the place is the atlas's: each change of the date or the time sets them again from
/// the zone's history, and an offset no row gives is kept exactly. Choosing a row or
/// ticking the box by hand gives the zone back to the user.
class AtlasZone : public QObject {
    Q_OBJECT
public:
    AtlasZone(const ZoneControls& controls, QObject* parent);

    /// Follows a place's IANA zone from now on, starting with the entered date and time.
    void Follow(const std::string& zone);
    /// Takes the zone a form was restored with, exact offset included, as it stands.
    void Restore(const BirthEntry& entry);
    /// The user decides the zone from now on.
    void Release();

    bool Following() const { return !zone_.empty(); }

    /// Adds the place's exact offset and zone name to an entry read from the controls.
    void AddTo(BirthEntry& entry) const;

    /// A clock time the zone's history does not give one reading for, until settled.
    std::optional<atlas::LocalTimeInZone::Kind> Unsettled() const;

    /// Before calculating. A clock time that did not exist is refused with a message
    /// (false); one that happened twice is asked about, and the answer sets the zone.
    bool SettleClockTime(UserInterface& ui);

signals:
    /// The zone, the exact offset or whether it is followed changed.
    void changed();
    /// The place's zone could not be read (the message says why); it is no longer followed.
    void unreadable(const QString& message);

private:
    /// The date and time lists as a form's values.
    BirthEntry EnteredDate() const;
    void DateChanged();
    void Show(const atlas::ZoneOffset& offset);

    ZoneControls controls_;
    std::string zone_;  // empty: the user's own zone
    std::optional<int> exactOffset_;
    std::optional<atlas::LocalTimeInZone> local_;  // the entered clock time in zone_
    bool settled_ = false;  // a double clock time was answered, or the zone was restored
};

}  // namespace tamovid
