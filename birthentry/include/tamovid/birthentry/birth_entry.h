#pragma once

#include <string>

namespace tamovid {

enum class LatitudeOption { kNone, kNorth, kSouth };
enum class LongitudeOption { kNone, kEast, kWest };

/// The input form's values exactly as the window holds them: the texts of the text
/// fields (UTF-8), the list positions of the six lists (-1 when nothing is chosen),
/// the two option pairs and the daylight-saving box.
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

    friend bool operator==(const BirthEntry&, const BirthEntry&) = default;
};

}  // namespace tamovid
