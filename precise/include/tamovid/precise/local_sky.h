#pragma once

#include <array>
#include <optional>

#include "tamovid/choices/chart_options.h"
#include "tamovid/precise/ephemeris.h"

namespace tamovid::precise {

/// The Sun's disc crossing a horizon upward or downward.
enum class SunCrossing { kRise, kSet };

/// The sky over one place in the days around one moment: the Sun's apparent place and
/// the sidereal time, asked of the ephemeris once and then carried along, so that a day's
/// sunrises, sunsets and rising points cost arithmetic only. Good from a day and a half
/// before the moment to a day and a half after it; a sunrise is found to a few
/// hundredths of a second of the ephemeris's own search.
class LocalSky {
public:
    /// Julian Date in UT; longitude east and latitude north, degrees.
    LocalSky(double jdUt, double eastLongitude, double northLatitude);

    /// The first moment after `after` at which the centre of the Sun's disc crosses a
    /// horizon `horizonDegrees` above the geometric one (negative: below), seen from the
    /// Earth's centre, with no refraction model: 0 is the Hindu sunrise, -50' the
    /// almanac's (34' of refraction and 16' of semi-diameter taken as fixed). Nothing
    /// when the Sun does not cross it within a day (polar day or night).
    std::optional<double> NextSunCrossing(double after, SunCrossing crossing,
                                          double horizonDegrees) const;

    /// The geometric altitude of the Sun's centre, degrees, seen from the Earth's centre.
    double SunAltitude(double jdUt) const;

    /// The precise engine's sidereal Ascendant (degrees 0..360) at a moment: what
    /// CalcPrecisePositions gives at a birth then, within a fraction of an arc second.
    double SiderealAscendant(double jdUt, AyanamsaChoice ayanamsa) const;

    EphemerisSource Source() const { return source_; }

private:
    struct Equatorial {
        double rightAscension = 0;  // degrees, unwrapped across the three days
        double declination = 0;
    };
    Equatorial SunAt(double jdUt) const;
    double HourAngle(double jdUt, double rightAscension) const;
    std::optional<double> Solve(double start, SunCrossing crossing, double horizonDegrees) const;

    double reference_ = 0;
    double eastLongitude_ = 0;
    double northLatitude_ = 0;
    std::array<Equatorial, 3> sun_{};  // a day before, at, and a day after the reference
    double siderealTime_ = 0;          // Greenwich, apparent, degrees, at the reference
    double obliquity_ = 0;             // true, degrees
    EphemerisSource source_ = EphemerisSource::kDataFiles;
    // The ayanamsa at the reference and its daily change, asked for on first use.
    mutable std::optional<AyanamsaChoice> ayanamsaChoice_;
    mutable double ayanamsa_ = 0;
    mutable double ayanamsaPerDay_ = 0;
};

}  // namespace tamovid::precise
