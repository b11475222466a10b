#pragma once

// The Sun, the Ascendant and the Lahiri ayanamsa from the IAU's standard models
// (ERFA), independent of the ephemeris library the engine uses: the accuracy test's
// check of the Sun and the Ascendant.
namespace tamovid::precise::reference {

/// A two-part Julian Date (the sum is the date).
struct Jd {
    double whole = 0;
    double fraction = 0;
};

/// Apparent geocentric longitude of the Sun, degrees, true ecliptic and equinox of date.
double ApparentSun(Jd tt);

/// Tropical Ascendant, degrees, for east longitude and north latitude in degrees.
double TropicalAscendant(Jd ut, Jd tt, double eastLongitude, double northLatitude);

/// The Lahiri ayanamsa of date, degrees, from its definition: 23 deg 15' 00.658" on
/// 21 March 1956, 0h TT (true value), the zero point carried by IAU 2006/2000A.
double LahiriAyanamsa(Jd tt);

}  // namespace tamovid::precise::reference
