#pragma once

#include <optional>
#include <string>

namespace tamovid {

enum class LatitudeOption { kNone, kNorth, kSouth };
enum class LongitudeOption { kNone, kEast, kWest };

/// The input form's values exactly as the window holds them: the texts of the text
/// fields (UTF-8), the list positions of the six lists (-1 when nothing is chosen),
/// the two option pairs, the daylight-saving box, and the exact zone of a place
/// looked up in the atlas.
struct BirthEntry {
    std::string txtName;
    int cboDate = 0;
    int cboMonth = 0;
    int cboYear = 5;
    int cboHour = 0;
    int cboMinute = 0;
    int cboTimeZone = 0;
    bool chkDST = false;
    std::string txtLatDeg;
    std::string txtLatMin;
    LatitudeOption optLat = LatitudeOption::kNorth;
    std::string txtLonDeg;
    std::string txtLonMin;
    LongitudeOption optLong = LongitudeOption::kEast;
    std::string txtCity;
    std::string txtState;
    std::string txtCountry;
    /// The place's exact offset from Universal Time (local minus UT, minutes, daylight
    /// hour included) when no zone row gives it; it then replaces the row and the box.
    std::optional<int> utcOffsetMinutes;
    /// The place's IANA time zone ("Asia/Kathmandu"), empty when the zone was typed.
    std::string tz;

    friend bool operator==(const BirthEntry&, const BirthEntry&) = default;
};

}  // namespace tamovid
