#pragma once

namespace tamovid {

/// A calendar date and a clock time to the minute, as a clock on the wall shows it.
struct CivilDateTime {
    int year = 0;
    int month = 0;  ///< 1..12
    int day = 0;
    int hour = 0;  ///< 0..23
    int minute = 0;
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

}  // namespace tamovid
