#include "tamovid/positions/sun.h"

#include <chrono>
#include <cmath>

#include "tamovid/positions/angles.h"

namespace tamovid {
namespace {

constexpr double kArcSecondsPerDegree = 3600;
constexpr double kDaysPerJulianCentury = 36525;
// Newton's method converges in two or three steps for the Earth's orbit; the cap only
// guarantees that no input can hang the program.
constexpr int kMaxKeplerSteps = 100;

double Degrees(double atJ2000, double arcSecondsPerCentury, double T2) {
    return (atJ2000 + arcSecondsPerCentury * T2 / kArcSecondsPerDegree) * dblRadPerDeg;
}

}  // namespace

double DayNumber(int year, int month, int day, int hour, int minute) {
    const double y = year;
    const double m = month;
    return 367 * y - std::floor(7 * (y + std::floor((m + 9) / 12)) / 4) + std::floor(275 * m / 9) +
           day - 730531.5 + (hour + minute / 60.0) / 24;
}

KeplerElements OrbitalElements(double d) {
    const double T2 = d / kDaysPerJulianCentury;
    KeplerElements earth;
    earth.semiMajorAxis = 1.00000011 - 0.00000005 * T2;
    earth.eccentricity = 0.01671022 - 0.00003804 * T2;
    earth.inclination = Degrees(0.00005, -46.94, T2);
    earth.ascendingNode = Degrees(-11.26064, -18228.25, T2);
    earth.perihelion = Degrees(102.94719, 1198.28, T2);
    earth.meanLongitude = ReduceRadians(Degrees(100.46435, 129597740.63, T2));
    return earth;
}

double TrueAnomaly(double M, double e) {
    double E = M + e * std::sin(M) * (1 + e * std::cos(M));
    for (int step = 0; step < kMaxKeplerSteps; ++step) {
        const double E0 = E;
        E = E0 - (E0 - e * std::sin(E0) - M) / (1 - e * std::cos(E0));
        if (std::fabs(E0 - E) <= vntKeplerTolerance) break;
    }
    double v = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E * 0.5));
    if (v < 0) v += kTwoPi;
    return v;
}

SunPlace SunFromEarthOrbit(double d) {
    const KeplerElements earth = OrbitalElements(d);
    const double e = earth.eccentricity;
    const double M = ReduceRadians(earth.meanLongitude - earth.perihelion);
    const double v = TrueAnomaly(M, e);
    const double r = earth.semiMajorAxis * (1 - e * e) / (1 + e * std::cos(v));
    // The Sun is seen from the Earth in the opposite direction.
    const double x = -r * std::cos(v + earth.perihelion);
    const double y = -r * std::sin(v + earth.perihelion);
    double lambda = ArcTan2(y, x) * 180 / kPi;
    while (lambda > 360) lambda -= 360;
    while (lambda < 0) lambda += 360;
    return {lambda, r};
}

double EclipticLongitude(double d) { return SunFromEarthOrbit(d).longitude; }

double PrecessionSinceJ2000(double d) {
    const double T2 = d / kDaysPerJulianCentury;
    return (5028.796195 * T2 + 1.1054348 * T2 * T2) / kArcSecondsPerDegree;
}

CivilDateTime UniversalDateTime(const BirthRecord& record) {
    using namespace std::chrono;
    // Month arithmetic from January keeps every input well defined; an overlong day
    // runs on into the next month, as the carry of the clock time does.
    const year_month firstMonth =
        year_month{year{record.intYear}, January} + months{record.intMonth - 1};
    const sys_days civilDate = sys_days{firstMonth / 1} + days{record.intDate - 1};
    minutes offset = hours{record.intHour} + minutes{record.intMinute} + hours{record.vntZoneHour} +
                     minutes{record.vntZoneMinute};
    if (record.blnDST) offset -= hours{1};
    const sys_time<minutes> universal = civilDate + offset;
    const sys_days day = floor<days>(universal);
    const year_month_day date{day};
    const hh_mm_ss<minutes> time{universal - day};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count())};
}

PlanetsResult CalcPlanets(const BirthRecord& record, const AscendantResult& ascendant) {
    PlanetsResult result;
    result.universal = UniversalDateTime(record);
    const CivilDateTime& ut = result.universal;
    result.dayNumber = DayNumber(ut.year, ut.month, ut.day, ut.hour, ut.minute);

    // The orbit is referred to the fixed equinox of J2000.0; the ayanamsa is measured
    // from the equinox of the date, so bring the Sun to that equinox first.
    double lambda = EclipticLongitude(result.dayNumber) + PrecessionSinceJ2000(result.dayNumber);
    lambda = std::fmod(lambda, 360.0);
    if (lambda < 0) lambda += 360;
    result.sunTropical = lambda;

    lambda -= std::fabs(ascendant.vntAyanamsa);
    while (lambda < 0) lambda += 360;
    result.sunSidereal = lambda;
    result.sun = PositionAt(lambda);
    result.ascendant = PositionAt(ascendant.ascendant);
    return result;
}

std::array<std::string, kPositionSlotCount> PlanetsResult::strPositions() const {
    // The same texts as the long forms' compact ones, made without them.
    std::array<std::string, kPositionSlotCount> texts;
    texts[kSunSlot] = CompactText(sun);
    texts[kAscendantSlot] = CompactText(ascendant);
    return texts;
}

}  // namespace tamovid
