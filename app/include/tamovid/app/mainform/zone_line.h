#pragma once

#include <QLabel>

#include <functional>
#include <optional>
#include <string>

#include "tamovid/atlas/zone_time.h"
#include "tamovid/birthentry/birth_entry.h"

namespace tamovid {

/// "UT 1975-12-03 05:00, UTC+05:30, Asia/Kolkata": the Universal Time and the offset
/// the chart will be computed with, the place's zone when the atlas gave it, and a
/// note for an exact offset no row gives or a clock time still to settle.
std::string ZoneLineText(const BirthEntry& entry,
                         std::optional<atlas::LocalTimeInZone::Kind> unsettled);

/// The input panel's line under the zone list that shows ZoneLineText for the form
/// as it stands, so a wrong zone or a doubled daylight hour shows before calculating.
class ZoneLine : public QLabel {
    Q_OBJECT
public:
    using TextSource = std::function<QString()>;

    /// Occupies the band between the zone list and the panel's lower edge.
    ZoneLine(QWidget* panel, TextSource source);

public slots:
    void Refresh();

private:
    TextSource source_;
};

}  // namespace tamovid
