#include "tamovid/chartfile/text_shift.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tamovid {
namespace {

struct ShiftCase {
    const char* name;
    std::string plain;
    std::string shifted;
};
void PrintTo(const ShiftCase& c, std::ostream* os) { *os << c.name; }

class ScrambleTextTest : public testing::TestWithParam<ShiftCase> {};

TEST_P(ScrambleTextTest, ShiftsEachByteUpAndDropsWhatCannotBeShifted) {
    EXPECT_EQ(ScrambleText(GetParam().plain), GetParam().shifted);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, ScrambleTextTest,
    testing::Values(ShiftCase{"Abc", "abc", "\xB6\xB7\xB8"}, ShiftCase{"Digit", "7", "\x8C"},
                    ShiftCase{"TrueWord", "True", "\xA9\xC7\xCA\xBA"}, ShiftCase{"Empty", "", ""},
                    ShiftCase{"NulBecomesLowestShiftedByte", std::string(1, '\0'), "\x55"},
                    ShiftCase{"Code170IsTheLastThatFits", "\xAA", "\xFF"},
                    ShiftCase{"Code171IsDroppedOrderKept",
                              "a\xAB"
                              "b",
                              "\xB6\xB7"},
                    ShiftCase{"AccentedLetterDropped", "Jos\xE9", "\x9F\xC4\xC8"},
                    ShiftCase{"OnlyUnshiftableGivesEmpty", "\xFF\xAB", ""}),
    [](const auto& info) { return std::string(info.param.name); });

class UnscrambleTextTest : public testing::TestWithParam<ShiftCase> {};

TEST_P(UnscrambleTextTest, ShiftsEachByteDownAndDropsWhatCannotBeShifted) {
    EXPECT_EQ(UnscrambleText(GetParam().shifted), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, UnscrambleTextTest,
    testing::Values(ShiftCase{"Abc", "abc", "\xB6\xB7\xB8"},
                    ShiftCase{"TrueWord", "True", "\xA9\xC7\xCA\xBA"}, ShiftCase{"Empty", "", ""},
                    ShiftCase{"Code85IsTheLowestThatFits", std::string(1, '\0'), "\x55"},
                    ShiftCase{"HandTypedDigitsDropped", "", "1975"},
                    ShiftCase{"LowBytesDroppedOrderKept", "ab", "\x0D\xB6\x54\xB7\x0A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextShift, EveryShiftableByteRoundTrips) {
    std::string all;
    for (int code = 0; code <= 170; ++code) {
        all.push_back(static_cast<char>(code));
    }
    const std::string shifted = ScrambleText(all);
    ASSERT_EQ(shifted.size(), all.size());
    for (const char ch : shifted) {
        EXPECT_GE(static_cast<unsigned char>(ch), 85);
    }
    EXPECT_EQ(UnscrambleText(shifted), all);
}

}  // namespace
}  // namespace tamovid
