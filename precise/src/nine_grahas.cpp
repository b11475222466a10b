#include "tamovid/precise/nine_grahas.h"

#include <cmath>

#include <swephexp.h>

#include "precise_chart.h"
#include "swiss_session.h"
#include "tamovid/positions/ascendant.h"
#include "tamovid/positions/sun.h"

namespace tamovid::precise {
namespace {

struct BodyNumber {
    Graha graha;
    int body;
};

// The grahas the ephemeris gives directly; the Sun comes with the engine's own chart,
// Ketu from Rahu.
constexpr std::array<BodyNumber, 6> kBodies{{
    {Graha::kMoon, SE_MOON},
    {Graha::kMars, SE_MARS},
    {Graha::kMercury, SE_MERCURY},
    {Graha::kJupiter, SE_JUPITER},
    {Graha::kVenus, SE_VENUS},
    {Graha::kSaturn, SE_SATURN},
}};

constexpr double kHalfCircle = 180;

double Degrees0To360(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360;
    if (d >= 360) d -= 360;
    return d;
}

GrahaPosition Shifted(Graha graha, const Place& place, double ayanamsa) {
    return {graha, Degrees0To360(place.longitude - ayanamsa), place.speed, place.speed < 0};
}

/// Moon to Ketu, with Rahu the chosen node; the Sun's row is left for the caller. The
/// precise engine asks for sidereal places (speeds against the stars); the classic one
/// takes tropical places less its own ayanamsa.
void FillFromEphemeris(NineGrahas& chart, SwissSession& session, double jdUt, bool sidereal) {
    auto place = [&](Graha graha, int body) {
        return sidereal ? Shifted(graha, session.Sidereal(jdUt, body), 0)
                        : Shifted(graha, session.Tropical(jdUt, body), chart.ayanamsa);
    };
    for (const BodyNumber& b : kBodies) chart.grahas[GrahaIndex(b.graha)] = place(b.graha, b.body);
    const int node = chart.options.node == LunarNode::kTrue ? SE_TRUE_NODE : SE_MEAN_NODE;
    const GrahaPosition rahu = place(Graha::kRahu, node);
    chart.grahas[GrahaIndex(Graha::kRahu)] = rahu;
    chart.grahas[GrahaIndex(Graha::kKetu)] = {
        Graha::kKetu, Degrees0To360(rahu.longitude + kHalfCircle), rahu.speed, rahu.retrograde};
}

double JulianDateUt(const BirthRecord& record) {
    const TwoPartDate jd = UniversalJulianDate(record);
    return jd.whole + jd.fraction;
}

}  // namespace

NineGrahas CalcPreciseGrahas(const BirthRecord& record, ChartOptions options) {
    SwissSession session(options.ayanamsa);
    const PrecisePositions positions = CalcPrecisePositions(record, options, session);
    NineGrahas chart;
    chart.options = options;
    chart.ayanamsa = positions.ayanamsa;
    chart.ascendant = positions.ascendantSidereal;
    chart.grahas[GrahaIndex(Graha::kSun)] = {Graha::kSun, positions.sunSidereal, positions.sunSpeed,
                                             positions.sunSpeed < 0};
    FillFromEphemeris(chart, session, positions.universal.whole + positions.universal.fraction,
                      true);
    chart.ephemeris = session.Source();
    return chart;
}

NineGrahas CalcClassicGrahas(const BirthRecord& record, ChartOptions options) {
    const AscendantResult ascendant = CalcAscendant(record);
    const PlanetsResult planets = CalcPlanets(record, ascendant);
    SwissSession session(options.ayanamsa);
    const double jdUt = JulianDateUt(record);

    NineGrahas chart;
    chart.options = options;
    chart.ayanamsa = std::fabs(ascendant.vntAyanamsa);
    chart.ascendant = ascendant.ascendant;
    const Place sun = session.Tropical(jdUt, SE_SUN);  // for its speed only
    chart.grahas[GrahaIndex(Graha::kSun)] = {Graha::kSun, planets.sunSidereal, sun.speed,
                                             sun.speed < 0};
    FillFromEphemeris(chart, session, jdUt, false);
    chart.ephemeris = session.Source();
    return chart;
}

}  // namespace tamovid::precise
