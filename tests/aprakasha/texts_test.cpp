#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/aprakasha/interpretations.h"
#include "tamovid/aprakasha/point_texts.h"

namespace tamovid {
namespace {

constexpr std::array<AprakashaPoint, 5> kPoints = {kDhuma, kVyatipata, kParivesha, kChapa,
                                                   kUpaketu};

struct QuotedCase {
    const char* name;
    AprakashaPoint point;
    int house;
    std::string_view text;
};

void PrintTo(const QuotedCase& c, std::ostream* os) { *os << c.name; }

class QuotedInterpretations : public testing::TestWithParam<QuotedCase> {};

TEST_P(QuotedInterpretations, AreKeptWordForWord) {
    EXPECT_EQ(Interpretation(GetParam().point, GetParam().house), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QuotedInterpretations,
    testing::Values(
        QuotedCase{"DhumaFirstHouse", kDhuma, 1,
                   "You will be attractive with beautiful eyes. But you need to control your "
                   "temper and bad tongue."},
        QuotedCase{"PariveshaSeventhHouse", kParivesha, 7,
                   "This is a difficult sign. Your ventures may not meet much success. Your spouse "
                   "will suffer from health related ailments. You will become hard and rough by "
                   "nature."},
        // "every short tempered" is the wording users know; it stays as it is.
        QuotedCase{"UpaketuTwelfthHouse", kUpaketu, 12,
                   "You will be involved in sinful deeds. It will be very difficult to trust you "
                   "since you may be irresponsible. You may also be every short tempered."}),
    [](const testing::TestParamInfo<QuotedCase>& info) { return std::string(info.param.name); });

class HouseOutsideRange : public testing::TestWithParam<int> {};

TEST_P(HouseOutsideRange, GivesEmptyInterpretation) {
    for (AprakashaPoint point : kPoints) EXPECT_EQ(Interpretation(point, GetParam()), "");
}

INSTANTIATE_TEST_SUITE_P(Houses, HouseOutsideRange,
                         testing::Values(0, -1, 13, 32767, INT_MIN, INT_MAX),
                         [](const testing::TestParamInfo<int>& info) {
                             const long long house = info.param;
                             return house < 0 ? "Minus" + std::to_string(-house)
                                              : std::to_string(house);
                         });

TEST(Interpretation, UnknownPointGivesEmptyText) {
    EXPECT_EQ(Interpretation(static_cast<AprakashaPoint>(5), 1), "");
    EXPECT_EQ(Interpretation(static_cast<AprakashaPoint>(-1), 12), "");
}

TEST(InterpretationTable, EveryTextIsAShortDistinctPrediction) {
    std::set<std::string_view> seen;
    int beginsYouWillOrMay = 0;
    for (AprakashaPoint point : kPoints) {
        for (int house = 1; house <= kHouseCount; ++house) {
            const std::string_view text = Interpretation(point, house);
            SCOPED_TRACE(std::string(kAprNames[point]) + " house " + std::to_string(house));
            EXPECT_GE(text.size(), 80u);
            EXPECT_LE(text.size(), 215u);
            const auto sentences = std::count(text.begin(), text.end(), '.');
            EXPECT_GE(sentences, 1);
            EXPECT_LE(sentences, 4);
            EXPECT_EQ(text.back(), '.');
            EXPECT_TRUE(seen.insert(text).second) << "repeated: " << text;
            if (text.starts_with("You will") || text.starts_with("You may")) ++beginsYouWillOrMay;
        }
    }
    EXPECT_GE(beginsYouWillOrMay, 50);
}

using Lines = std::array<std::string, 5>;

struct LinesCase {
    const char* name;
    AprakashaPoint point;
    Lines lines;
};

void PrintTo(const LinesCase& c, std::ostream* os) { *os << c.name; }

class DisplayLines : public testing::TestWithParam<LinesCase> {};

// Sun and Ascendant at 0° Aries put Dhuma in the fifth house and Upaketu in the twelfth.
TEST_P(DisplayLines, AreWordedForTheWindow) {
    const AprakashaResult r = CalcAprakashaGrahas({}, {});
    EXPECT_EQ(ResultLines(r, GetParam().point), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Points, DisplayLines,
    testing::Values(
        LinesCase{"Dhuma",
                  kDhuma,
                  {"Position at 13 Leo 20", "Lord is Mars", std::string(kAprDescriptions[kDhuma]),
                   "Dhuma is in the house 5 from the Ascendant",
                   std::string(kAprInterpretationTable[kDhuma][4])}},
        LinesCase{"Chapa",
                  kChapa,
                  {"Position at 13 Aqu 20", "Lord is Venus",
                   "This is akin with anger and bad temperament.",
                   "Chapa is in the house 11 from the Ascendant",
                   std::string(kAprInterpretationTable[kChapa][10])}},
        LinesCase{"UpaketuInTwelfthHouse",
                  kUpaketu,
                  {"Position at 0 Pis 0", "Lord is Ketu",
                   "This is similar to negative Ketu and causes a lot of destruction.",
                   "Upaketu is in the house 12 from the Ascendant",
                   "You will be involved in sinful deeds. It will be very difficult to trust you "
                   "since you may be irresponsible. You may also be every short tempered."}}),
    [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST(DisplayLines, BeforeTheFirstCalculationShowOnlyTheFixedWording) {
    const Lines empty = {"Position at ", "Lord is ", "", " is in the house 0 from the Ascendant",
                         ""};
    const AprakashaResult none;
    for (AprakashaPoint point : kPoints) EXPECT_EQ(ResultLines(none, point), empty);
    const AprakashaResult some = CalcAprakashaGrahas({8, 16, 31}, {11, 17, 31});
    EXPECT_EQ(ResultLines(some, static_cast<AprakashaPoint>(9)), empty);
}

}  // namespace
}  // namespace tamovid
