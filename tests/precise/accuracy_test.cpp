// Measures both engines against an independent ephemeris library over random births.
// The library runs on its built-in analytic ephemeris (no data files are installed),
// which is itself good to about an arc-second for the Sun.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <swephexp.h>

#include "tamovid/positions/ascendant.h"
#include "tamovid/positions/longitude_text.h"
#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"
#include "tamovid/precise/precise_positions.h"

namespace tamovid::precise {
namespace {

constexpr int kBirths = 2000;
constexpr unsigned kSeed = 17;
constexpr int kBelowPolarCircle = 66;  // degrees of latitude; the circles lie at 66 deg 34'
constexpr double kSunToleranceArcsec = 3;
constexpr double kAscendantToleranceArcsec = 6;
constexpr double kAyanamsaToleranceArcsec = 1;

double DifferenceArcsec(double a, double b) { return (std::remainder(a - b, 360.0)) * 3600; }

std::string Compact(double longitude) { return ToSignFirst(FormatLongitude(longitude)); }

/// The worst error seen and the birth it came from.
struct Worst {
    double arcsec = 0;
    std::string birth;
    int minuteMismatches = 0;  // charts whose compact text differs from the oracle's
    std::vector<double> sizes;

    void Add(double error, const std::string& where) {
        sizes.push_back(std::fabs(error));
        if (std::fabs(error) > std::fabs(arcsec)) {
            arcsec = error;
            birth = where;
        }
    }
    void Print(const char* what, bool withTexts = true) {
        std::nth_element(sizes.begin(), sizes.begin() + kBirths / 2, sizes.end());
        std::printf("  %-18s median %7.3f\", worst %8.3f\"  (%s)", what,
                    sizes[static_cast<std::size_t>(kBirths / 2)], arcsec, birth.c_str());
        if (withTexts) {
            std::printf("; minute text differs in %4.1f%% of charts",
                        100.0 * minuteMismatches / kBirths);
        }
        std::printf("\n");
    }
};

BirthRecord RandomBirth(std::mt19937& random) {
    auto pick = [&](int low, int high) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(low, high)(random));
    };
    BirthRecord r;
    r.intYear = pick(1901, 2050);
    r.intMonth = pick(1, 12);
    r.intDate = pick(1, 28);
    r.intHour = pick(0, 23);
    r.intMinute = pick(0, 59);
    const auto zone = static_cast<std::size_t>(pick(0, static_cast<int>(kTimeZoneCount) - 1));
    r.vntZoneHour = intTZHours[zone];
    r.vntZoneMinute = intTZMinutes[zone];
    r.intZoneHour = static_cast<std::int16_t>(std::abs(r.vntZoneHour));
    r.intZoneMinute = static_cast<std::int16_t>(std::abs(r.vntZoneMinute));
    r.blnDST = pick(0, 1) == 1;
    r.intLatDeg = pick(0, kBelowPolarCircle - 1);
    r.intLatMin = pick(0, 59);
    r.blnSouth = pick(0, 1) == 1;
    r.intLonDeg = pick(0, 179);
    r.intLonMin = pick(0, 59);
    r.blnEast = pick(0, 1) == 1;
    return r;
}

TEST(Accuracy, BothEnginesAgainstAnIndependentEphemeris) {
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    std::mt19937 random(kSeed);
    Worst preciseSun, preciseAscendant, preciseAyanamsa, classicSun, classicAscendant;
    bool analyticEphemeris = true;
    for (int i = 0; i < kBirths; ++i) {
        const BirthRecord r = RandomBirth(random);
        const PrecisePositions p = CalcPrecisePositions(r);
        const double jdUt = p.universal.whole + p.universal.fraction;
        const double lat = (r.intLatDeg + r.intLatMin / 60.0) * (r.blnSouth ? -1 : 1);
        const double lon = (r.intLonDeg + r.intLonMin / 60.0) * (r.blnEast ? 1 : -1);
        char where[96];
        std::snprintf(where, sizeof where, "JD %.5f UT, %.2f %.2f", jdUt, lat, lon);

        char error[AS_MAXCH] = "";
        const int flags = SEFLG_MOSEPH | SEFLG_SIDEREAL;
        double sun[6];
        const int got = swe_calc_ut(jdUt, SE_SUN, flags, sun, error);
        ASSERT_GE(got, 0) << error;
        if ((got & SEFLG_MOSEPH) == 0) analyticEphemeris = false;
        double cusps[13];
        double angles[10];
        ASSERT_EQ(swe_houses_ex(jdUt, flags, lat, lon, 'P', cusps, angles), OK);
        double ayanamsa = 0;
        ASSERT_GE(swe_get_ayanamsa_ex_ut(jdUt, SEFLG_MOSEPH, &ayanamsa, error), 0) << error;

        const AscendantResult classic = CalcAscendant(r);
        const PlanetsResult classicPlanets = CalcPlanets(r, classic);

        preciseSun.Add(DifferenceArcsec(p.sunSidereal, sun[0]), where);
        preciseAscendant.Add(DifferenceArcsec(p.ascendantSidereal, angles[0]), where);
        preciseAyanamsa.Add(DifferenceArcsec(p.ayanamsa, ayanamsa), where);
        classicSun.Add(DifferenceArcsec(classicPlanets.sunSidereal, sun[0]), where);
        classicAscendant.Add(DifferenceArcsec(classic.ascendant, angles[0]), where);
        preciseSun.minuteMismatches += CompactText(p.sun) != Compact(sun[0]);
        preciseAscendant.minuteMismatches += CompactText(p.ascendant) != Compact(angles[0]);
        classicSun.minuteMismatches += classicPlanets.strPositions[kSunSlot] != Compact(sun[0]);
        classicAscendant.minuteMismatches +=
            classicPlanets.strPositions[kAscendantSlot] != Compact(angles[0]);
    }
    swe_close();

    std::printf(
        "%d random births 1901-2050 (seed %u), latitudes below %d deg, against the\n"
        "oracle's %s ephemeris, Lahiri ayanamsa, sidereal longitudes:\n",
        kBirths, kSeed, kBelowPolarCircle, analyticEphemeris ? "built-in analytic" : "file-based");
    preciseSun.Print("precise Sun");
    preciseAscendant.Print("precise Ascendant");
    preciseAyanamsa.Print("precise ayanamsa", false);
    classicSun.Print("classic Sun");
    classicAscendant.Print("classic Ascendant");

    EXPECT_LT(std::fabs(preciseSun.arcsec), kSunToleranceArcsec);
    EXPECT_LT(std::fabs(preciseAscendant.arcsec), kAscendantToleranceArcsec);
    EXPECT_LT(std::fabs(preciseAyanamsa.arcsec), kAyanamsaToleranceArcsec);
}

}  // namespace
}  // namespace tamovid::precise
