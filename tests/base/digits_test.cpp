#include <gtest/gtest.h>

#include <limits>

#include "tamovid/base/digits.h"

namespace tamovid {
namespace {

// The readers of the form, the chart file and the command line all stand on these: a
// run of digits that overflows int, or holds a sign or a blank, is no number.
TEST(Digits, ReadRunsOfDigitsOnlyAndWriteTwoDigitFields) {
    EXPECT_EQ(ParseDigitRun("0012"), 12);
    EXPECT_EQ(ParseDigitRun("2147483647"), std::numeric_limits<int>::max());
    for (const char* text : {"", "2147483648", "99999999999", "-1", "+1", " 1", "1a"}) {
        EXPECT_EQ(ParseDigitRun(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(TwoDigits(7), "07");
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(42), "42");
    EXPECT_EQ(TwoDigits(99), "99");
    EXPECT_EQ(TwoDigits(100), "100");
    EXPECT_EQ(TwoDigits(-3), "-3");
    EXPECT_EQ(TwoDigits(123), "123");
}

}  // namespace
}  // namespace tamovid
