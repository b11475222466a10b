#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ostream>
#include <string>

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/positions/ascendant.h"
#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"
#include "tamovid/test_support/compact_position.h"

namespace tamovid {
namespace {

constexpr int kCircle = 360 * 60;  // arc minutes

struct ReferenceCase {
    const char* name;
    const char* sun;
    const char* ascendant;
    std::array<const char*, 5> positions;
    std::array<int, 5> houses;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.sun << " / " << c.ascendant; }

class ReferenceValues : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferenceValues, PositionsAndForwardCountedHouses) {
    const ReferenceCase& c = GetParam();
    const AprakashaResult r = CalcAprakashaGrahas(testing_support::Compact(c.sun),
                                                  testing_support::Compact(c.ascendant));
    const std::array<std::string, 5> texts = PointTexts(r);
    for (int i = 0; i < kAprakashaPointCount; ++i) {
        SCOPED_TRACE(r.points[i].name);
        EXPECT_EQ(texts[i], c.positions[i]);
        EXPECT_EQ(r.points[i].house, c.houses[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Charts, ReferenceValues,
    testing::Values(ReferenceCase{"SunAtZeroAries",
                                  "00 Ari 00",
                                  "00 Ari 00",
                                  {"13 Leo 20", "16 Sco 40", "16 Tau 40", "13 Aqu 20", "0 Pis 0"},
                                  {5, 8, 2, 11, 12}},
                    ReferenceCase{"DhumaPassesPiscesIntoAries",
                                  "20 Sco 00",
                                  "10 Leo 00",
                                  {"3 Ari 20", "26 Pis 40", "26 Vir 40", "3 Lib 20", "20 Lib 0"},
                                  {9, 8, 2, 3, 3}},
                    ReferenceCase{"BothCarriesInDhuma",
                                  "29 Sco 59",
                                  "05 Ari 10",
                                  {"13 Ari 19", "16 Pis 41", "16 Vir 41", "13 Lib 19", "29 Lib 59"},
                                  {1, 12, 6, 7, 7}},
                    ReferenceCase{"SignBeforeAscendantIsTwelfthHouse",
                                  "05 Leo 40",
                                  "12 Can 00",
                                  {"19 Sag 0", "11 Can 0", "11 Cap 0", "19 Gem 0", "5 Can 40"},
                                  {6, 1, 7, 12, 1}},
                    ReferenceCase{"DhumaOnSignBoundary",
                                  "16 Can 40",
                                  "29 Ari 59",
                                  {"0 Sag 0", "0 Leo 0", "0 Aqu 0", "0 Gem 0", "16 Gem 40"},
                                  {9, 5, 11, 3, 3}},
                    ReferenceCase{"UpaketuCarriesOneDegree",
                                  "10 Ari 35",
                                  "00 Gem 00",
                                  {"23 Leo 55", "6 Sco 5", "6 Tau 5", "23 Aqu 55", "10 Pis 35"},
                                  {3, 6, 12, 9, 10}},
                    ReferenceCase{"FirstOfJanuary2000",
                                  "16 Sag 31",
                                  "17 Pis 31",
                                  {"29 Ari 51", "0 Pis 9", "0 Vir 9", "29 Lib 51", "16 Sco 31"},
                                  {2, 1, 7, 8, 9}}),
    [](const testing::TestParamInfo<ReferenceCase>& info) { return std::string(info.param.name); });

TEST(AprakashaEndToEnd, FirstOfJanuary2000AtNoonOnTheEquatorAndPrimeMeridian) {
    BirthRecord record;
    record.intDate = 1;
    record.intMonth = 1;
    record.intYear = 2000;
    record.intHour = 12;
    const AscendantResult ascendant = CalcAscendant(record);
    const PlanetsResult planets = CalcPlanets(record, ascendant);
    ASSERT_EQ(planets.strPositions()[kSunSlot], "16 Sag 31");
    ASSERT_EQ(planets.strPositions()[kAscendantSlot], "17 Pis 31");

    const AprakashaResult r = CalcAprakashaGrahas(planets.sun, planets.ascendant);
    EXPECT_EQ(PointTexts(r)[kDhuma], "29 Ari 51");
    EXPECT_EQ(r[kUpaketu].house, 9);
}

// Reads a point text independently of the library and insists on the plain form
// (no leading zeros, degrees 0..29, minutes 0..59). Returns arc minutes, or -1.
int PointMinutes(const std::string& text) {
    int degrees = -1;
    int minutes = -1;
    char sign[4] = {};
    if (std::sscanf(text.c_str(), "%d %3s %d", &degrees, sign, &minutes) != 3) return -1;
    const int index = SignIndex(sign);
    if (index < 0 || degrees < 0 || degrees > 29 || minutes < 0 || minutes > 59) return -1;
    if (text != std::to_string(degrees) + " " + sign + " " + std::to_string(minutes)) return -1;
    return (index * 30 + degrees) * 60 + minutes;
}

int Wrap(int minutes) { return ((minutes % kCircle) + kCircle) % kCircle; }

// Empty when the points of r are the ones a Sun at sunMinutes and an Ascendant in
// ascendantSign give; otherwise what went wrong.
std::string Mismatch(const AprakashaResult& r, int sunMinutes, int ascendantSign) {
    const int dhuma = Wrap(sunMinutes + 133 * 60 + 20);
    const int parivesha = Wrap(kCircle - dhuma + 180 * 60);
    const std::array<int, 5> expected = {dhuma, Wrap(kCircle - dhuma), parivesha,
                                         Wrap(kCircle - parivesha), Wrap(sunMinutes - 30 * 60)};
    const std::array<std::string, 5> texts = PointTexts(r);
    for (int i = 0; i < kAprakashaPointCount; ++i) {
        const int sign = expected[i] / 1800;
        const int house = (sign - ascendantSign + 12) % 12 + 1;
        if (PointMinutes(texts[i]) != expected[i] || ArcMinutes(r.points[i].position) != expected[i] ||
            r.points[i].position.longitude != expected[i] / 60.0 || r.points[i].house != house ||
            r.points[i].interpretation != Interpretation(static_cast<AprakashaPoint>(i), house)) {
            return "point " + std::to_string(i) + " \"" + texts[i] + "\" house " +
                   std::to_string(r.points[i].house) + ", expected minutes " +
                   std::to_string(expected[i]) + " house " + std::to_string(house);
        }
    }
    return {};
}

TEST(AprakashaProperty, EverySunMinuteWithEveryAscendantSign) {
    for (int minutes = 0; minutes < kCircle; ++minutes) {
        const ZodiacPosition sun = PositionInMinutes(minutes);
        for (int a = 0; a < 12; ++a) {
            const std::string mismatch = Mismatch(CalcAprakashaGrahas(sun, {a, 7, 45}), minutes, a);
            ASSERT_EQ(mismatch, "") << "Sun " << CompactText(sun) << ", Ascendant sign " << a;
        }
    }
}

struct OutOfRangeCase {
    const char* name;
    ZodiacPosition sun;
    ZodiacPosition ascendant;
    int sunMinutesReadAs;
    int ascendantSignReadAs;
};

void PrintTo(const OutOfRangeCase& c, std::ostream* os) { *os << c.name; }

class OutOfRangeInput : public testing::TestWithParam<OutOfRangeCase> {};

TEST_P(OutOfRangeInput, IsTakenRoundTheCircle) {
    const OutOfRangeCase& c = GetParam();
    const AprakashaResult r = CalcAprakashaGrahas(c.sun, c.ascendant);
    EXPECT_EQ(Mismatch(r, c.sunMinutesReadAs, c.ascendantSignReadAs), "");
    EXPECT_EQ(r[kDhuma].lord, "Mars");
}

constexpr int At(int sign, int degrees, int minutes) {
    return (sign * 30 + degrees) * 60 + minutes;
}

INSTANTIATE_TEST_SUITE_P(
    Values, OutOfRangeInput,
    testing::Values(
        OutOfRangeCase{"DegreesAndMinutesOutOfRange", {0, 99, 75}, {7, 0, 0}, At(3, 10, 15), 7},
        OutOfRangeCase{"NegativeDegrees", {4, -5, 0}, {4, 0, 0}, At(3, 25, 0), 4},
        OutOfRangeCase{"NegativeMinutes", {10, 0, -9}, {10, 0, 0}, At(10, 0, 0) - 9, 10},
        OutOfRangeCase{"SignsPastPisces", {13, 16, 31}, {12, 0, 0}, At(1, 16, 31), 0},
        OutOfRangeCase{"SignsBeforeAries", {-1, 5, 7}, {-1, 0, 0}, At(11, 5, 7), 11}),
    [](const testing::TestParamInfo<OutOfRangeCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
}  // namespace tamovid
