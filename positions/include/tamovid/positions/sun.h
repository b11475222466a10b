#pragma once

#include <array>
#include <string>

#include "tamovid/positions/ascendant.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/civil_date_time.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid {

/// Slots of strPositions; only the Sun and the Ascendant are filled.
enum PositionSlot { kSunSlot = 0, kAscendantSlot = 9, kPositionSlotCount = 11 };

inline constexpr double vntKeplerTolerance = 1e-12;

/// Days from J2000.0 (1 January 2000, 12:00) for a Gregorian date, 1901..2099.
double DayNumber(int year, int month, int day, int hour, int minute);

/// Mean orbital elements of the Earth at day number d: a in AU, e, angles in radians.
struct KeplerElements {
    double semiMajorAxis = 0;
    double eccentricity = 0;
    double inclination = 0;
    double ascendingNode = 0;
    double perihelion = 0;
    double meanLongitude = 0;  ///< reduced into 0..2 pi
};
KeplerElements OrbitalElements(double d);

/// True anomaly (radians, 0..2 pi) from mean anomaly M and eccentricity e.
double TrueAnomaly(double M, double e);

/// The Sun seen from the Earth: tropical longitude (degrees, 0..360, fixed equinox of
/// J2000.0) and distance in AU.
struct SunPlace {
    double longitude = 0;
    double distance = 0;
};
SunPlace SunFromEarthOrbit(double d);

/// Geocentric tropical longitude of the Sun (degrees, equinox of J2000.0).
double EclipticLongitude(double d);

/// General precession in longitude from J2000.0 to day number d, in degrees.
double PrecessionSinceJ2000(double d);

/// Universal Time as a calendar date and time, after carry across day, month, year.
CivilDateTime UniversalDateTime(const BirthRecord& record);

struct PlanetsResult {
    CivilDateTime universal;
    double dayNumber = 0;
    double sunTropical = 0;  ///< degrees, referred to the equinox of the date
    double sunSidereal = 0;  ///< degrees
    ZodiacPosition sun;        ///< sidereal
    ZodiacPosition ascendant;  ///< sidereal

    /// The compact texts of the Sun (slot 0) and the Ascendant (slot 9), the other slots
    /// empty; made when asked, as no shown text reads them.
    std::array<std::string, kPositionSlotCount> strPositions() const;
};

/// The sidereal Sun and Ascendant.
PlanetsResult CalcPlanets(const BirthRecord& record, const AscendantResult& ascendant);

}  // namespace tamovid
