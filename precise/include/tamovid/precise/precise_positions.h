#pragma once

#include <string>

#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid::precise {

/// A moment as a two-part Julian Date (the sum is the date; the split keeps precision).
struct TwoPartDate {
    double whole = 0;
    double fraction = 0;
};

/// TT - UT in seconds for a decimal year (2000.5 is mid-2000), from the polynomial
/// expressions of Espenak and Meeus for 1900..2050; outside that span the nearest
/// piece is extended.
double DeltaTSeconds(double decimalYear);

/// The Lahiri (Chitrapaksha) ayanamsa of date in degrees, positive: the longitude, on
/// the true ecliptic and from the true equinox of date, of the fixed sidereal zero
/// point. Subtracting it from an apparent tropical longitude gives the sidereal one.
double LahiriAyanamsa(TwoPartDate tt);

/// The Sun's apparent geocentric longitude, degrees 0..360, on the ecliptic and from
/// the true equinox of date.
double ApparentSunLongitude(TwoPartDate tt);

/// Tropical longitude of the Ascendant (degrees 0..360, true equinox of date) for a
/// place at east longitude and north latitude in degrees.
double TropicalAscendant(TwoPartDate ut, TwoPartDate tt, double eastLongitude,
                         double northLatitude);

struct PrecisePositions {
    TwoPartDate universal;   ///< Julian Date of the birth in UT
    double deltaT = 0;       ///< TT - UT, seconds
    double ayanamsa = 0;     ///< true Lahiri ayanamsa, degrees, positive
    double sunTropical = 0;  ///< apparent, true equinox of date, degrees
    double ascendantTropical = 0;
    double sunSidereal = 0;  ///< degrees 0..360
    double ascendantSidereal = 0;
    ZodiacPosition sun;  ///< of sunSidereal
    ZodiacPosition ascendant;
};

/// The sidereal Sun and Ascendant of a birth. The moment is the classic engine's
/// Universal Time (local clock time plus the zone's correction, one hour earlier in
/// daylight-saving time), so both engines compute the same instant.
PrecisePositions CalcPrecisePositions(const BirthRecord& record);

}  // namespace tamovid::precise
