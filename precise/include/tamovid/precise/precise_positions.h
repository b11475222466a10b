#pragma once

#include <string>

#include "tamovid/choices/chart_options.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/precise/ephemeris.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid::precise {

/// A moment as a two-part Julian Date (the sum is the date; the split keeps precision).
struct TwoPartDate {
    double whole = 0;
    double fraction = 0;
};

struct PrecisePositions {
    TwoPartDate universal;   ///< Julian Date of the birth in UT
    double deltaT = 0;       ///< TT - UT, seconds, as the ephemeris takes it
    double ayanamsa = 0;     ///< of date, degrees, positive: tropical less it is sidereal
    double sunTropical = 0;  ///< apparent, true equinox of date, degrees
    double sunSpeed = 0;     ///< degrees per day
    double ascendantTropical = 0;
    double sunSidereal = 0;  ///< degrees 0..360
    double ascendantSidereal = 0;
    ZodiacPosition sun;  ///< of sunSidereal
    ZodiacPosition ascendant;
    ChartOptions options;  ///< the ayanamsa and node asked for
    EphemerisSource ephemeris = EphemerisSource::kDataFiles;
};

/// The Julian Date (UT) of a birth: the classic engine's Universal Time (local clock
/// time plus the zone's correction, one hour earlier in daylight-saving time), so both
/// engines compute the same instant.
TwoPartDate UniversalJulianDate(const BirthRecord& record);

/// The sidereal Sun and Ascendant of a birth with the chosen ayanamsa. Safe to call
/// from several threads at once.
PrecisePositions CalcPrecisePositions(const BirthRecord& record, ChartOptions options = {});

}  // namespace tamovid::precise
