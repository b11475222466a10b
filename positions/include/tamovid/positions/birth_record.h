#pragma once

#include <cstdint>
#include <string>

namespace tamovid {

// The values the form's lists offer for the date and time fields; a chart outside
// them cannot be entered, saved or opened.
inline constexpr int kFirstDay = 1;
inline constexpr int kDayCount = 31;
inline constexpr int kFirstYear = 1901;
inline constexpr int kYearCount = 150;  // 1901..2050
inline constexpr int kHourCount = 25;   // 0..24; 24 is midnight at the end of the day
inline constexpr int kMinuteCount = 60;
/// The degree and minute fields of latitude and longitude hold at most this many digits.
inline constexpr int kCoordinateDigits = 3;

/// One chart's input as the engines read it. Text is UTF-8.
/// Directions live only in the booleans; degrees and minutes are unsigned.
struct BirthRecord {
    std::string strName;             ///< as typed, not trimmed
    std::int16_t intDate = 0;        ///< day of month 1..31
    std::int16_t intMonth = 0;       ///< 1..12
    std::int16_t intYear = 0;        ///< 1901..2050
    std::int16_t intHour = 0;        ///< local clock hour 0..24 (24 = midnight ending the day)
    std::int16_t intMinute = 0;      ///< 0..59
    std::int16_t intZoneHour = 0;    ///< |hours| of the zone's correction
    std::int16_t intZoneMinute = 0;  ///< |minutes| of the zone's correction
    std::int16_t intLonDeg = 0;
    std::int16_t intLonMin = 0;
    std::int16_t intLatDeg = 0;
    std::int16_t intLatMin = 0;
    bool blnEast = false;
    bool blnSouth = false;
    bool blnDST = false;
    std::string strCity;     ///< trimmed
    std::string strState;    ///< trimmed
    std::string strCountry;  ///< trimmed
    /// Signed correction to add to local clock time to get Universal Time.
    std::int16_t vntZoneHour = 0;
    std::int16_t vntZoneMinute = 0;

    friend bool operator==(const BirthRecord&, const BirthRecord&) = default;
};

}  // namespace tamovid
