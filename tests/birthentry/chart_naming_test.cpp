#include <gtest/gtest.h>

#include <string>

#include "tamovid/birthentry/chart_naming.h"

namespace tamovid {
namespace {

BirthRecord Born(std::string name) {
    BirthRecord r;
    r.strName = std::move(name);
    r.intDate = 14;
    r.intMonth = 3;
    r.intYear = 1985;
    r.intHour = 10;
    r.intMinute = 5;
    r.strCity = "Pune";
    r.strState = "Maharashtra";
    r.strCountry = "India";
    return r;
}

TEST(ChartHeadlineText, NamesPersonDateClockAndPlaceAndSkipsWhatIsMissing) {
    EXPECT_EQ(ChartHeadlineText(Born("  Asha Rao ")),
              "Asha Rao \u00B7 14 March 1985 \u00B7 10:05 \u00B7 Pune, Maharashtra, India");
    BirthRecord bare = Born("");
    bare.strCity.clear();
    bare.strState.clear();
    bare.strCountry.clear();
    bare.blnDST = true;
    EXPECT_EQ(ChartHeadlineText(bare), "14 March 1985 \u00B7 10:05 DST");
}

struct NameCase {
    const char* title;
    std::string name;
    std::string expected;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.title; }

class ProposedFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ProposedFileNameTest, StaysOneSafeNameInTheChosenFolder) {
    EXPECT_EQ(ProposedFileName(Born(GetParam().name), "Rasi chart", ".png"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProposedFileNameTest,
    ::testing::Values(
        NameCase{"Plain", "Asha Rao", "Asha Rao 1985-03-14.png"},
        NameCase{"BlanksCollapsed", "  Asha   Rao  ", "Asha Rao 1985-03-14.png"},
        NameCase{"ParentFolderClimb", "../x", "_x 1985-03-14.png"},
        NameCase{"SubFolder", "a/b", "a_b 1985-03-14.png"},
        NameCase{"WindowsRefusals", "a\\b:c*d?e\"f<g>h|i", "a_b_c_d_e_f_g_h_i 1985-03-14.png"},
        NameCase{"ControlCharacters", "a\nb\x7f", "a_b_ 1985-03-14.png"},
        NameCase{"DeviceNameGetsTheDate", "con", "con 1985-03-14.png"},
        NameCase{"HiddenFileDots", "...", "Rasi chart.png"},
        NameCase{"Empty", "", "Rasi chart.png"}, NameCase{"OnlySpaces", "    ", "Rasi chart.png"},
        NameCase{"AccentsKept", "Jos\u00E9 \u00C5berg", "Jos\u00E9 \u00C5berg 1985-03-14.png"}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.title); });

TEST(ProposedFileName, VeryLongNameIsCutOnACharacterBoundary) {
    std::string longName;
    for (int i = 0; i < 200; ++i) longName += "\u00E9";  // two bytes each
    const std::string name = ProposedFileName(Born(longName), "Reading", ".pdf");
    EXPECT_LE(name.size(), kMaxFileNameStemBytes + std::string(" 1985-03-14.pdf").size());
    EXPECT_EQ(name.substr(name.size() - 15), " 1985-03-14.pdf");
    EXPECT_EQ(name.find("\u00E9 "), kMaxFileNameStemBytes - 2);  // whole characters only
}

}  // namespace
}  // namespace tamovid
