#include <gtest/gtest.h>

#include <string>

#include "tamovid/grahas/nakshatra.h"

namespace tamovid {
namespace {

struct NakshatraCase {
    const char* label;
    double longitude;
    int index;
    int pada;
    const char* name;
};

void PrintTo(const NakshatraCase& c, std::ostream* os) { *os << c.label; }

class NakshatraOfCase : public testing::TestWithParam<NakshatraCase> {};

TEST_P(NakshatraOfCase, GivesNakshatraAndPada) {
    const NakshatraCase& c = GetParam();
    const NakshatraPada got = NakshatraOf(c.longitude);
    EXPECT_EQ(got.index, c.index);
    EXPECT_EQ(got.pada, c.pada);
    EXPECT_EQ(got.name, c.name);
}

constexpr double kArcsec = 1.0 / 3600;

// Boundaries are where a division by 13.333... would round the wrong way.
INSTANTIATE_TEST_SUITE_P(
    Boundaries, NakshatraOfCase,
    testing::Values(NakshatraCase{"StartOfTheZodiac", 0.0, 0, 1, "Ashwini"},
                    NakshatraCase{"LastSecondOfFirstPada", 10.0 / 3 - kArcsec, 0, 1, "Ashwini"},
                    NakshatraCase{"SecondPadaStartsAt3deg20", 10.0 / 3, 0, 2, "Ashwini"},
                    NakshatraCase{"LastSecondOfAshwini", 40.0 / 3 - kArcsec, 0, 4, "Ashwini"},
                    NakshatraCase{"BharaniStartsAt13deg20", 40.0 / 3, 1, 1, "Bharani"},
                    NakshatraCase{"BoundaryWrittenToTenPlaces", 13.3333333333, 1, 1, "Bharani"},
                    NakshatraCase{"PushyaStartsAt93deg20", 93 + 1.0 / 3, 7, 1, "Pushya"},
                    NakshatraCase{"MaghaStartsAtLeo", 120.0, 9, 1, "Magha"},
                    NakshatraCase{"UttaraPhalguniCrossesIntoVirgo", 150.0, 11, 2,
                                  "Uttara Phalguni"},
                    NakshatraCase{"MulaStartsAtSagittarius", 240.0, 18, 1, "Mula"},
                    NakshatraCase{"RevatiLastPada", 356.0 + 2.0 / 3, 26, 4, "Revati"},
                    NakshatraCase{"LastSecondOfRevati", 360.0 - kArcsec, 26, 4, "Revati"},
                    NakshatraCase{"WholeMinutePointOnABoundary", 13 + 20 / 60.0, 1, 1, "Bharani"},
                    NakshatraCase{"FullTurnWrapsToAshwini", 360.0, 0, 1, "Ashwini"},
                    NakshatraCase{"NegativeLongitudeWraps", -1.0, 26, 4, "Revati"}),
    [](const testing::TestParamInfo<NakshatraCase>& info) {
        return std::string(info.param.label);
    });

TEST(NakshatraNames, SpellTheTwentySevenInOrder) {
    EXPECT_EQ(kNakshatraNames.front(), "Ashwini");
    EXPECT_EQ(kNakshatraNames[13], "Chitra");
    EXPECT_EQ(kNakshatraNames[24], "Purva Bhadrapada");
    EXPECT_EQ(kNakshatraNames.back(), "Revati");
}

}  // namespace
}  // namespace tamovid
