#include "tamovid/precise/local_sky.h"

#include <cmath>

#include <swephexp.h>

#include "swiss_session.h"
#include "tamovid/positions/angles.h"

namespace tamovid::precise {
namespace {

/// Greenwich sidereal time gained per day of Universal Time, degrees (IAU 1982).
constexpr double kSiderealDegreesPerDay = 360.98564736629;
/// What the Sun's hour angle gains per day, near enough for the search's steps: the
/// sidereal rate less the Sun's own motion of about a degree a day.
constexpr double kSunHourAnglePerDay = 360.0;
/// The Sun's place is taken this far apart, days, and interpolated between.
constexpr double kSampleStepDays = 1;
/// A crossing is given to this, days (under a millisecond).
constexpr double kCrossingTolerance = 1e-9;
constexpr int kMaxSearchSteps = 12;
/// A crossing further than this from the start is no crossing "that day".
constexpr double kLongestWaitDays = 1.2;
// Equal houses: defined at every latitude (as the chart's own Ascendant).
constexpr int kEqualHouses = 'E';

double Signed180(double degrees) {
    const double d = Normalized(degrees);
    return d > 180 ? d - 360 : d;
}

}  // namespace

LocalSky::LocalSky(double jdUt, double eastLongitude, double northLatitude)
    : reference_(jdUt), eastLongitude_(eastLongitude), northLatitude_(northLatitude) {
    SwissSession session;
    for (int i = 0; i < 3; ++i) {
        const Place2 sun = session.SunEquatorial(jdUt + (i - 1) * kSampleStepDays);
        sun_[static_cast<std::size_t>(i)] = {sun.rightAscension, sun.declination};
    }
    // Unwrap the right ascension through 360 so the three can be interpolated.
    for (std::size_t i = 1; i < 3; ++i) {
        sun_[i].rightAscension = sun_[i - 1].rightAscension +
                                 Signed180(sun_[i].rightAscension - sun_[i - 1].rightAscension);
    }
    siderealTime_ = session.SiderealTimeDegrees(jdUt);
    obliquity_ = session.TrueObliquity(jdUt);
    source_ = session.Source();
}

// The parabola through the three samples: the Sun's path bends so little over three
// days that the error is below a thousandth of an arc second.
LocalSky::Equatorial LocalSky::SunAt(double jdUt) const {
    const double x = (jdUt - reference_) / kSampleStepDays;
    auto through = [x](double before, double at, double after) {
        return at + x * (after - before) / 2 + x * x * (after - 2 * at + before) / 2;
    };
    return {through(sun_[0].rightAscension, sun_[1].rightAscension, sun_[2].rightAscension),
            through(sun_[0].declination, sun_[1].declination, sun_[2].declination)};
}

double LocalSky::HourAngle(double jdUt, double rightAscension) const {
    return siderealTime_ + kSiderealDegreesPerDay * (jdUt - reference_) + eastLongitude_ -
           rightAscension;
}

double LocalSky::SunAltitude(double jdUt) const {
    const Equatorial sun = SunAt(jdUt);
    const double phi = northLatitude_ * dblRadPerDeg;
    const double delta = sun.declination * dblRadPerDeg;
    const double hourAngle = HourAngle(jdUt, sun.rightAscension) * dblRadPerDeg;
    return std::asin(std::sin(phi) * std::sin(delta) +
                     std::cos(phi) * std::cos(delta) * std::cos(hourAngle)) *
           vntDegPerRad;
}

// Newton's steps on the hour angle: the hour angle at which the Sun's centre stands at
// the horizon's height follows from its declination then.
std::optional<double> LocalSky::Solve(double start, SunCrossing crossing,
                                      double horizonDegrees) const {
    const double phi = northLatitude_ * dblRadPerDeg;
    const double sinHorizon = std::sin(horizonDegrees * dblRadPerDeg);
    double t = start;
    for (int step = 0; step < kMaxSearchSteps; ++step) {
        const Equatorial sun = SunAt(t);
        const double delta = sun.declination * dblRadPerDeg;
        const double cosine =
            (sinHorizon - std::sin(phi) * std::sin(delta)) / (std::cos(phi) * std::cos(delta));
        if (cosine > 1 || cosine < -1) return std::nullopt;  // the Sun stays below or above
        const double semiArc = std::acos(cosine) * vntDegPerRad;
        const double wanted = crossing == SunCrossing::kRise ? -semiArc : semiArc;
        const double gap = wanted - HourAngle(t, sun.rightAscension);
        // The first step goes forward to the next such hour angle; later ones correct.
        const double move = (step == 0 ? Normalized(gap) : Signed180(gap)) / kSunHourAnglePerDay;
        t += move;
        if (std::fabs(move) < kCrossingTolerance) break;
    }
    return t;
}

std::optional<double> LocalSky::NextSunCrossing(double after, SunCrossing crossing,
                                                double horizonDegrees) const {
    std::optional<double> found = Solve(after, crossing, horizonDegrees);
    // The corrections can settle just before the start: that crossing is not next.
    if (found && *found <= after)
        found = Solve(*found + kSampleStepDays / 2, crossing, horizonDegrees);
    if (!found || *found <= after || *found - after > kLongestWaitDays) return std::nullopt;
    return found;
}

double LocalSky::SiderealAscendant(double jdUt, AyanamsaChoice ayanamsa) const {
    if (ayanamsaChoice_ != ayanamsa) {
        SwissSession session(ayanamsa);
        ayanamsa_ = session.AyanamsaDegrees(reference_);
        ayanamsaPerDay_ = session.AyanamsaPerDay(reference_);
        ayanamsaChoice_ = ayanamsa;
    }
    const double armc =
        Normalized(siderealTime_ + kSiderealDegreesPerDay * (jdUt - reference_) + eastLongitude_);
    double cusps[13] = {};
    double angles[10] = {};
    swe_houses_armc(armc, northLatitude_, obliquity_, kEqualHouses, cusps, angles);
    return Normalized(angles[0] - ayanamsa_ - ayanamsaPerDay_ * (jdUt - reference_));
}

}  // namespace tamovid::precise
