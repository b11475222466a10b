#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <ostream>
#include <string>

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/positions/ascendant.h"
#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"

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
    const AprakashaResult r = CalcAprakashaGrahas(c.sun, c.ascendant);
    for (int i = 0; i < kAprakashaPointCount; ++i) {
        SCOPED_TRACE(r.strAprNames[i]);
        EXPECT_EQ(r.strAprPositions[i], c.positions[i]);
        EXPECT_EQ(r.intAprHouses[i], c.houses[i]);
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
    ASSERT_EQ(planets.strPositions[kSunSlot], "16 Sag 31");
    ASSERT_EQ(planets.strPositions[kAscendantSlot], "17 Pis 31");

    const AprakashaResult r =
        CalcAprakashaGrahas(planets.strPositions[kSunSlot], planets.strPositions[kAscendantSlot]);
    EXPECT_EQ(r.strAprPositions[kDhuma], "29 Ari 51");
    EXPECT_EQ(r.intAprHouses[kUpaketu], 9);
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
    for (int i = 0; i < kAprakashaPointCount; ++i) {
        const int sign = expected[i] / 1800;
        const int house = (sign - ascendantSign + 12) % 12 + 1;
        if (PointMinutes(r.strAprPositions[i]) != expected[i] || r.intAprHouses[i] != house ||
            r.strAprInterpretations[i] != Interpretation(static_cast<AprakashaPoint>(i), house)) {
            return "point " + std::to_string(i) + " \"" + r.strAprPositions[i] + "\" house " +
                   std::to_string(r.intAprHouses[i]) + ", expected minutes " +
                   std::to_string(expected[i]) + " house " + std::to_string(house);
        }
    }
    return {};
}

TEST(AprakashaProperty, EverySunMinuteWithEveryAscendantSign) {
    char sun[16];
    char ascendant[16];
    for (int minutes = 0; minutes < kCircle; ++minutes) {
        const int degrees = minutes / 60;
        std::snprintf(sun, sizeof sun, "%02d %s %02d", degrees % 30,
                      strSignAbbr[degrees / 30].data(), minutes % 60);
        for (int a = 0; a < 12; ++a) {
            std::snprintf(ascendant, sizeof ascendant, "07 %s 45", strSignAbbr[a].data());
            const std::string mismatch = Mismatch(CalcAprakashaGrahas(sun, ascendant), minutes, a);
            ASSERT_EQ(mismatch, "") << "Sun " << sun << ", Ascendant " << ascendant;
        }
    }
}

struct MalformedCase {
    const char* name;
    std::string sun;
    std::string ascendant;
    int sunMinutesReadAs;
    int ascendantSignReadAs;
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << testing::PrintToString(c.sun) << " / " << testing::PrintToString(c.ascendant);
}

class MalformedInput : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedInput, ReadsSafelyAndStillGivesConsistentPoints) {
    const MalformedCase& c = GetParam();
    const AprakashaResult r = CalcAprakashaGrahas(c.sun, c.ascendant);
    EXPECT_EQ(Mismatch(r, c.sunMinutesReadAs, c.ascendantSignReadAs), "");
    EXPECT_EQ(r.strAprLords[kDhuma], "Mars");
}

constexpr int At(int sign, int degrees, int minutes) {
    return (sign * 30 + degrees) * 60 + minutes;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedInput,
    testing::Values(
        MalformedCase{"BothEmpty", "", "", At(0, 0, 0), 0},
        MalformedCase{"OneCharacter", "7", "P", At(0, 7, 0), 0},
        MalformedCase{"MinutesMissing", "16 Sag", "17 Pis", At(8, 16, 0), 11},
        MalformedCase{"SignInLowerCase", "16 sag 31", "17 pis 31", At(0, 16, 31), 0},
        MalformedCase{"LettersForNumbers", "xx Tau yy", "00 Vir 00", At(1, 0, 0), 5},
        MalformedCase{"TrailingTextIgnored", "16 Sag 31 and more", "17 Pis 31 !", At(8, 16, 31),
                      11},
        MalformedCase{"SingleDigitsWithBlanks", " 5 Leo  7", "   Lib", At(4, 5, 7), 6},
        MalformedCase{"DegreesAndMinutesOutOfRange", "99 Ari 75", "00 Sco 00", At(3, 10, 15), 7},
        MalformedCase{"NegativeDegrees", "-5 Leo 00", "00 Leo 00", At(3, 25, 0), 4},
        MalformedCase{"SignsWithoutDigits", "-- Aqu -9", "00 Aqu 00", At(10, 0, 0) - 9, 10},
        MalformedCase{"NonAsciiBytes", "\xC2\xB0\xC2\xB0\xC2\xB0\xC2\xB0\xFF", "\xFF\xFE", 0, 0},
        MalformedCase{"EmbeddedNul", std::string("16 Sag \0\0", 9), std::string("17 Pis 31", 9),
                      At(8, 16, 0), 11}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tamovid
