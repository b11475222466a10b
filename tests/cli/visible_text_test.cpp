#include "tamovid/cli/visible_text.h"

#include <gtest/gtest.h>

namespace tamovid::cli {
namespace {

struct VisibleCase {
    const char* label;
    std::string_view text;
    std::string_view shown;
};

class Visible : public testing::TestWithParam<VisibleCase> {};

TEST_P(Visible, WritesControlsOut) { EXPECT_EQ(VisibleText(GetParam().text), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(
    Texts, Visible,
    testing::Values(
        VisibleCase{"PlainAndAccentedKept", "Šte fan \u00e9\u20ac", "Šte fan \u00e9\u20ac"},
        VisibleCase{"TerminalTitleSequence", "\x1b]0;x\a", "\\x1B]0;x\\x07"},
        VisibleCase{"TabNewlineAndNul", std::string_view("a\tb\n\0", 5), "a\\x09b\\x0A\\x00"},
        VisibleCase{"Delete", "a\x7f", "a\\x7F"},
        VisibleCase{"C1ControlsInUtf8",
                    "\xc2\x9b"
                    "1m\xc2\x85",
                    "\\u009B1m\\u0085"},
        VisibleCase{"NoBreakSpaceKept", "\xc2\xa0", "\xc2\xa0"},
        VisibleCase{"BytesThatAreNotUtf8", "\x9b\xff\xc3", "\\x9B\\xFF\\xC3"},
        VisibleCase{"OverlongAndSurrogate", "\xc0\xaf\xed\xa0\x80", "\\xC0\\xAF\\xED\\xA0\\x80"}),
    [](const testing::TestParamInfo<VisibleCase>& info) { return info.param.label; });

}  // namespace
}  // namespace tamovid::cli
