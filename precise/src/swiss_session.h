#pragma once

#include <string>

#include "tamovid/choices/chart_options.h"
#include "tamovid/precise/ephemeris.h"

namespace tamovid::precise {

struct FolderChoice {
    std::string folder;
    unsigned generation = 0;
};
/// The shared data folder and its generation, which changes with every choice.
FolderChoice CurrentFolder();
/// The generation alone, read without a lock (0 until a folder is chosen).
unsigned FolderGeneration();

/// An apparent geocentric position of date, tropical or sidereal.
struct Place {
    double longitude = 0;  ///< degrees 0..360, on the true ecliptic of date
    double speed = 0;      ///< degrees per day, in the same frame
};

/// Degrees reduced into 0..360.
double Normalized(double degrees);

/// A right ascension and a declination, degrees.
struct Place2 {
    double rightAscension = 0;
    double declination = 0;
};

/// The library brought up to date for one chart on the calling thread.
///
/// The library keeps its settings (data folder, sidereal mode) and its caches in
/// thread-local storage, so every thread has its own copy: a session applies the shared
/// data folder and the chart's ayanamsa to this thread's copy, and only when they
/// differ from what it last applied, which keeps the library's caches between charts.
/// Sessions on different threads never touch each other's state; a session is used by
/// one thread only.
class SwissSession {
public:
    explicit SwissSession(AyanamsaChoice ayanamsa);
    /// A session for questions of date only: the sidereal mode is left as it stands.
    SwissSession();

    /// One body (the library's body number) at a Julian Date in UT, from the true
    /// equinox of date.
    Place Tropical(double jdUt, int body) { return Calc(jdUt, body, 0); }
    /// The same from the session's sidereal zero point: the tropical place less the
    /// ayanamsa of date, the speed less the ayanamsa's daily change (against the stars).
    /// Asking the library for sidereal places directly gives the same longitudes but
    /// costs a third more.
    Place Sidereal(double jdUt, int body);
    /// The ayanamsa of date, degrees: apparent tropical less it is sidereal.
    double AyanamsaDegrees(double jdUt);
    /// Its change per day at that date, degrees.
    double AyanamsaPerDay(double jdUt) { return AyanamsaAt(jdUt).perDay; }
    /// The sidereal Ascendant, degrees 0..360, for east longitude and north latitude.
    double SiderealAscendant(double jdUt, double eastLongitude, double northLatitude);
    /// The Sun's apparent right ascension and declination of date, degrees.
    Place2 SunEquatorial(double jdUt);
    /// Greenwich apparent sidereal time as an angle, degrees.
    double SiderealTimeDegrees(double jdUt);
    /// The true obliquity of the ecliptic, degrees.
    double TrueObliquity(double jdUt);
    /// TT - UT in seconds.
    double DeltaTSeconds(double jdUt);
    /// The data files if every position of this session came from them.
    EphemerisSource Source() const {
        return fromFiles_ ? EphemerisSource::kDataFiles : EphemerisSource::kAnalytic;
    }

private:
    struct AyanamsaOfDate {
        double jdUt = 0;
        double degrees = 0;
        double perDay = 0;
        bool known = false;
    };
    void ApplyFolder();
    Place Calc(double jdUt, int body, int frameFlags);
    double LibraryAyanamsa(double jdUt);
    const AyanamsaOfDate& AyanamsaAt(double jdUt);

    AyanamsaOfDate ayanamsa_;  // the last date asked for
    int flags_ = 0;            // which ephemeris to ask for
    bool fromFiles_ = true;
};

}  // namespace tamovid::precise
