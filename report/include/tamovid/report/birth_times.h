#pragma once

#include <string>

#include "tamovid/positions/birth_record.h"

namespace tamovid {

/// A birth's clock time against Universal Time.
struct BirthUniversalTime {
    int offsetMinutes = 0;  ///< local clock time minus UT, daylight saving included
    int year = 0;           ///< the UT date and time
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

/// The UT of a birth, with the calendar carried: the zone's correction and an hour
/// back for daylight saving, as the engines count them.
BirthUniversalTime UniversalTimeOf(const BirthRecord& record);

/// "UT+05:30", "UT-10:00", "UT+00:00".
std::string UtOffsetText(int offsetMinutes);

}  // namespace tamovid
