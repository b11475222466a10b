#include "tamovid/positions/ascendant.h"

#include <cmath>

#include "tamovid/positions/angles.h"
#include "tamovid/positions/longitude_text.h"

namespace tamovid {
namespace {

// The epoch of T: Greenwich mean noon of 31 December 1899 (JD 2415020.0).
constexpr double kEpochJulianDay = 2415020;
constexpr double kDaysPerJulianCentury = 36525;
constexpr double kHoursPerDay = 24;
constexpr double kDegreesPerHour = 15;  // of sidereal time as an angle
constexpr double kArcSecondsPerDegree = 3600;

// Greenwich sidereal time at 0h UT, in hours: the value at the epoch and its growth per
// Julian century and per century squared.
constexpr double kSiderealHoursAtEpoch = 6.6460656;
constexpr double kSiderealHoursPerCentury = 2400.0513;
constexpr double kSiderealHoursPerCenturySquared = 0.0000258;

// Mean obliquity of the ecliptic, in degrees: at the epoch, and its fall per century.
constexpr double kObliquityAtEpoch = 23.452294;
constexpr double kObliquityFallPerCentury = 0.0130125;

// Longitude of the Moon's mean ascending node, in arc seconds: at the epoch, and its
// motion per century (the node regresses) and per century squared.
constexpr double kMoonNodeAtEpoch = 933060;
constexpr double kMoonNodeRegressionPerCentury = 6962911;
constexpr double kMoonNodePerCenturySquared = 7.5;
// Twice the Sun's mean longitude, in arc seconds: at the epoch and per century.
constexpr double kTwiceSunLongitudeAtEpoch = 2013816;
constexpr double kTwiceSunLongitudePerCentury = 259205536;
// Nutation in longitude, in arc seconds per unit sine of each argument.
constexpr double kNutationFromMoonNode = 17.23;
constexpr double kNutationFromSun = 1.27;
// The ayanamsa itself, in arc seconds: general precession per century (and its growth
// per century squared) and the offset at the epoch.
constexpr double kPrecessionPerCentury = 5025.64;
constexpr double kPrecessionGrowthPerCentury = 1.11;
constexpr double kAyanamsaOffsetAtEpoch = 80861.27;

constexpr double kRightAngleDegrees = 90;

/// Whether the ecliptic point at this tropical longitude (radians) stands west of the
/// meridian: its hour angle, sidereal time less its right ascension, lies in 0..pi.
bool StandsWest(double longitude, double ramc, double obliquity) {
    const double rightAscension =
        ArcTan2(std::sin(longitude) * std::cos(obliquity), std::cos(longitude));
    return std::sin(ramc - rightAscension) > 0;
}

}  // namespace

double Ayanamsa(double T) {
    double omega = (kMoonNodeAtEpoch - kMoonNodeRegressionPerCentury * T +
                    kMoonNodePerCenturySquared * T * T) /
                   kArcSecondsPerDegree;  // Moon's mean node, degrees
    while (omega >= 360) omega -= 360;
    const double twiceSunMeanLongitude =
        (kTwiceSunLongitudeAtEpoch + kTwiceSunLongitudePerCentury * T) / kArcSecondsPerDegree;
    const double nutation = kNutationFromMoonNode * std::sin(omega * dblRadPerDeg) +
                            kNutationFromSun * std::sin(twiceSunMeanLongitude * dblRadPerDeg);
    return (nutation - (kPrecessionPerCentury + kPrecessionGrowthPerCentury * T) * T -
            kAyanamsaOffsetAtEpoch) /
           kArcSecondsPerDegree;
}

double UniversalTimeHours(const BirthRecord& record) {
    double ut =
        record.intHour + record.intMinute / 60.0 + record.vntZoneHour + record.vntZoneMinute / 60.0;
    if (record.blnDST) ut -= 1;
    return ut;
}

AscendantResult CalcAscendant(const BirthRecord& record) {
    // Inside the engine longitude is west-positive and latitude north-positive.
    double longitude = record.intLonDeg + record.intLonMin / 60.0;
    double latitude = record.intLatDeg + record.intLatMin / 60.0;
    if (record.blnEast) longitude = -longitude;
    if (record.blnSouth) latitude = -latitude;
    return AscendantAt(JulianDayNumber(record.intMonth, record.intDate, record.intYear),
                       UniversalTimeHours(record), longitude, latitude);
}

AscendantResult AscendantAt(double julianDayNumber, double universalTime, double longitude,
                            double latitude) {
    AscendantResult result;
    result.julianDayNumber = julianDayNumber;
    result.universalTime = universalTime;
    // The day number belongs to noon of the civil date; Universal Time counts from the
    // midnight half a day earlier.
    const double T =
        (result.julianDayNumber - kEpochJulianDay + result.universalTime / kHoursPerDay - 0.5) /
        kDaysPerJulianCentury;
    result.centuries = T;
    result.vntAyanamsa = Ayanamsa(T);

    double ramc =
        kDegreesPerHour * (result.universalTime + kSiderealHoursAtEpoch +
                           kSiderealHoursPerCentury * T + kSiderealHoursPerCenturySquared * T * T) -
        longitude;
    while (ramc >= 360) ramc -= 360;
    result.ramc = ramc;
    ramc *= dblRadPerDeg;

    const double obliquity = dblRadPerDeg * (kObliquityAtEpoch - kObliquityFallPerCentury * T);
    result.obliquity = obliquity * vntDegPerRad;

    double ascendant =
        ArcTan2(std::cos(ramc), -(std::sin(ramc) * std::cos(obliquity) +
                                  std::sin(obliquity) * std::tan(latitude * dblRadPerDeg)));
    if (ascendant < 0) ascendant += kPi;
    if (std::cos(ramc) < 0) ascendant += kPi;
    // The quadrant above comes from cos RAMC alone, which finds the rising point only where
    // the ecliptic always crosses the eastern horizon. Above the polar circles it can be the
    // setting one; the rising one is then opposite.
    if (std::fabs(latitude) + result.obliquity >= kRightAngleDegrees &&
        StandsWest(ascendant, ramc, obliquity))
        ascendant += kPi;
    ascendant *= vntDegPerRad;
    while (ascendant >= 360) ascendant -= 360;
    ascendant += result.vntAyanamsa;

    result.ascendant = Norm360(ascendant);
    return result;
}

std::string AscendantResult::vntAscText() const { return FormatLongitude(ascendant); }

}  // namespace tamovid
