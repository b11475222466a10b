#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "tamovid/positions/longitude_text.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid {
namespace {

struct TextCase {
    const char* name;
    double degrees;
    const char* longForm;
    const char* compact;
};

class LongitudeText : public testing::TestWithParam<TextCase> {};

TEST_P(LongitudeText, LongAndCompactForms) {
    const TextCase& c = GetParam();
    const std::string longForm = FormatLongitude(c.degrees);
    EXPECT_EQ(longForm, c.longForm);
    EXPECT_EQ(ToSignFirst(longForm), c.compact);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LongitudeText,
    testing::Values(TextCase{"Zero", 0, "0\u00B0 0' 0\" Ari", "00 Ari 00"},
                    TextCase{"HalfPastFifteenTaurus", 45.5, "15\u00B0 30' 0\" Tau", "15 Tau 30"},
                    TextCase{"NegativeReadsAsPositive", -45.5, "15\u00B0 30' 0\" Tau", "15 Tau 30"},
                    TextCase{"QuarterPastAquarius", 300.25, "0\u00B0 15' 0\" Aqu", "00 Aqu 15"},
                    TextCase{"JustBelowTheEnd", 359.99, "29\u00B0 59' 24\" Pis", "29 Pis 59"},
                    TextCase{"SignBoundary", 30, "0\u00B0 0' 0\" Tau", "00 Tau 00"},
                    TextCase{"HairBelowAMinuteTruncates", 10.0 + 59.9999 / 60,
                             "10\u00B0 59' 59\" Ari", "10 Ari 59"},
                    // A full turn names the first sign instead of running off the table.
                    TextCase{"FullTurnWrapsToAries", 360, "0\u00B0 0' 0\" Ari", "00 Ari 00"},
                    TextCase{"BeyondOneTurnStaysInTheTable", 725, "5\u00B0 0' 0\" Ari",
                             "05 Ari 00"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(Norm360, StepsOnceInEachDirection) {
    EXPECT_DOUBLE_EQ(Norm360(-10), 350);
    EXPECT_DOUBLE_EQ(Norm360(370), 10);
    EXPECT_DOUBLE_EQ(Norm360(360), 360);
    EXPECT_DOUBLE_EQ(Norm360(-370), -10);
}

TEST(ToSignFirst, ToleratesTextsWithoutMarks) {
    EXPECT_EQ(ToSignFirst(""), "0  0");
    EXPECT_EQ(ToSignFirst("  7\u00B0 5' 1\" Gem"), "07 Gem 05");
}

}  // namespace
}  // namespace tamovid

namespace tamovid {
namespace {

// The readings' values and the engine's texts must never part: every shown text is made
// from the value now.
TEST(ZodiacPosition, AgreesWithTheTextFormsEverywhere) {
    std::vector<double> longitudes = {0, 29.999999, 30, 359.99, 360, 360.5, -45.5, 45.5 - 1e-12};
    for (int step = 0; step < 360 * 60 * 7; ++step) longitudes.push_back(step / 420.0 + 1e-9);
    for (const double x : longitudes) {
        const ZodiacPosition p = PositionAt(x);
        ASSERT_EQ(CompactText(p), ToSignFirst(FormatLongitude(x))) << x;
        ASSERT_EQ(p.longitude, x);
        ASSERT_EQ(PositionInMinutes(ArcMinutes(p)).sign, p.sign) << x;
    }
    EXPECT_EQ(PointText({11, 0, 0, 330}), "0 Pis 0");
    // The widest numbers and a sign out of range still fit the text's piece.
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    EXPECT_EQ(PointText({12, kMin, kMax, 0}), "-2147483648  2147483647");
    EXPECT_EQ(PositionInMinutes(-1), (ZodiacPosition{11, 29, 59, 21599 / 60.0}));
}

}  // namespace
}  // namespace tamovid
