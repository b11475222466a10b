#pragma once

#include <string>

#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/civil_date_time.h"

namespace tamovid {

/// A birth's Universal Time (the date and time), and its clock time against it.
struct BirthUniversalTime : CivilDateTime {
    int offsetMinutes = 0;  ///< local clock time minus UT, daylight saving included
};

/// The UT of a birth, with the calendar carried: the zone's correction and an hour
/// back for daylight saving, as the engines count them.
BirthUniversalTime UniversalTimeOf(const BirthRecord& record);

/// "UT+05:30", "UT-10:00", "UT+00:00".
std::string UtOffsetText(int offsetMinutes);

}  // namespace tamovid
