#include "swiss_session.h"

#include <array>
#include <cmath>
#include <cstddef>

#include <swephexp.h>

namespace tamovid::precise {
namespace {

struct SiderealMode {
    AyanamsaChoice ayanamsa;
    int mode;
};

constexpr std::array<SiderealMode, 6> kSiderealModes{{
    {AyanamsaChoice::kLahiri, SE_SIDM_LAHIRI},
    {AyanamsaChoice::kRaman, SE_SIDM_RAMAN},
    {AyanamsaChoice::kKrishnamurti, SE_SIDM_KRISHNAMURTI},
    {AyanamsaChoice::kTrueChitra, SE_SIDM_TRUE_CITRA},
    {AyanamsaChoice::kTruePushya, SE_SIDM_TRUE_PUSHYA},
    {AyanamsaChoice::kYukteshwar, SE_SIDM_YUKTESHWAR},
}};
static_assert(kSiderealModes.size() == kAyanamsaNames.size());

int SiderealModeOf(AyanamsaChoice ayanamsa) {
    for (const SiderealMode& m : kSiderealModes) {
        if (m.ayanamsa == ayanamsa) return m.mode;
    }
    return SE_SIDM_LAHIRI;
}

constexpr int kNoMode = -1;

// What this thread's copy of the library was last given; a new thread starts with
// nothing applied.
struct ThreadState {
    unsigned generation = ~0u;
    bool withFiles = false;
    int siderealMode = kNoMode;
};
thread_local ThreadState applied;

constexpr std::size_t kLongestPath = AS_MAXCH - 1;
constexpr double kSecondsPerDay = 86400;
constexpr double kDegreesPerHourAngle = 15;
// The span over which the ayanamsa's daily change is taken: short enough for the
// fortnightly nutation (the rate is then good to 0.01" a day), long enough for the
// arithmetic.
constexpr double kRateStepDays = 0.25;
// Equal houses: the Ascendant does not depend on the house system, and this one is
// defined at every latitude, the poles included.
constexpr int kEqualHouses = 'E';

}  // namespace

double Normalized(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360;
    if (d >= 360) d -= 360;
    return d;
}

SwissSession::SwissSession(AyanamsaChoice ayanamsa) {
    ApplyFolder();
    const int mode = SiderealModeOf(ayanamsa);
    if (applied.siderealMode != mode) {
        swe_set_sid_mode(mode, 0, 0);
        applied.siderealMode = mode;
    }
}

SwissSession::SwissSession() { ApplyFolder(); }

void SwissSession::ApplyFolder() {
    if (applied.generation != FolderGeneration()) {
        const FolderChoice choice = CurrentFolder();
        // The library keeps the path in a fixed buffer: a longer one is not passed on.
        applied.withFiles = !choice.folder.empty() && choice.folder.size() < kLongestPath;
        // An empty path would make the library look in its built-in default folders.
        if (applied.withFiles) swe_set_ephe_path(choice.folder.c_str());
        applied.generation = choice.generation;
        applied.siderealMode = kNoMode;  // a new path resets the library's state
    }
    flags_ = applied.withFiles ? SEFLG_SWIEPH : SEFLG_MOSEPH;
    fromFiles_ = applied.withFiles;
}

Place SwissSession::Sidereal(double jdUt, int body) {
    const Place tropical = Calc(jdUt, body, 0);
    const AyanamsaOfDate& a = AyanamsaAt(jdUt);
    return {Normalized(tropical.longitude - a.degrees), tropical.speed - a.perDay};
}

const SwissSession::AyanamsaOfDate& SwissSession::AyanamsaAt(double jdUt) {
    if (!ayanamsa_.known || ayanamsa_.jdUt != jdUt) {
        ayanamsa_.jdUt = jdUt;
        ayanamsa_.degrees = LibraryAyanamsa(jdUt);
        ayanamsa_.perDay =
            (LibraryAyanamsa(jdUt + kRateStepDays) - ayanamsa_.degrees) / kRateStepDays;
        ayanamsa_.known = true;
    }
    return ayanamsa_;
}

Place SwissSession::Calc(double jdUt, int body, int frameFlags) {
    double place[6] = {};
    char error[AS_MAXCH] = "";
    int got = swe_calc_ut(jdUt, body, flags_ | frameFlags | SEFLG_SPEED, place, error);
    if (got < 0) {
        // Outside the files' span (or a damaged file): the analytic ephemeris covers
        // 3000 BC to AD 3000.
        got = swe_calc_ut(jdUt, body, SEFLG_MOSEPH | frameFlags | SEFLG_SPEED, place, error);
    }
    if (got < 0 || (got & SEFLG_SWIEPH) == 0) fromFiles_ = false;
    return {Normalized(place[0]), place[3]};
}

double SwissSession::AyanamsaDegrees(double jdUt) { return AyanamsaAt(jdUt).degrees; }

double SwissSession::LibraryAyanamsa(double jdUt) {
    double ayanamsa = 0;
    char error[AS_MAXCH] = "";
    if (swe_get_ayanamsa_ex_ut(jdUt, flags_, &ayanamsa, error) < 0) {
        swe_get_ayanamsa_ex_ut(jdUt, SEFLG_MOSEPH, &ayanamsa, error);
        fromFiles_ = false;
    }
    return ayanamsa;
}

double SwissSession::SiderealAscendant(double jdUt, double eastLongitude, double northLatitude) {
    double cusps[13] = {};
    double angles[10] = {};
    swe_houses_ex(jdUt, flags_ | SEFLG_SIDEREAL, northLatitude, eastLongitude, kEqualHouses, cusps,
                  angles);
    return Normalized(angles[0]);
}

Place2 SwissSession::SunEquatorial(double jdUt) {
    double place[6] = {};
    char error[AS_MAXCH] = "";
    if (swe_calc_ut(jdUt, SE_SUN, flags_ | SEFLG_EQUATORIAL, place, error) < 0) {
        swe_calc_ut(jdUt, SE_SUN, SEFLG_MOSEPH | SEFLG_EQUATORIAL, place, error);
        fromFiles_ = false;
    }
    return {place[0], place[1]};
}

double SwissSession::SiderealTimeDegrees(double jdUt) {
    return swe_sidtime(jdUt) * kDegreesPerHourAngle;
}

double SwissSession::TrueObliquity(double jdUt) {
    double nutation[6] = {};
    char error[AS_MAXCH] = "";
    swe_calc_ut(jdUt, SE_ECL_NUT, flags_, nutation, error);
    return nutation[0];
}

double SwissSession::DeltaTSeconds(double jdUt) {
    char error[AS_MAXCH] = "";
    return swe_deltat_ex(jdUt, flags_, error) * kSecondsPerDay;
}

}  // namespace tamovid::precise
