#include "tamovid/chartfile/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <ostream>
#include <string>

namespace tamovid {
namespace {

struct CharacterCase {
    const char* name;
    std::string utf8;
    std::string byte;
};
void PrintTo(const CharacterCase& c, std::ostream* os) { *os << c.name; }

class CodepageCharacterTest : public testing::TestWithParam<CharacterCase> {};

TEST_P(CodepageCharacterTest, MapsBothWays) {
    EXPECT_EQ(Utf8ToWindows1252(GetParam().utf8), GetParam().byte);
    EXPECT_EQ(Windows1252ToUtf8(GetParam().byte), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, CodepageCharacterTest,
    testing::Values(CharacterCase{"AsciiLetter", "A", "A"},
                    CharacterCase{"Nul", std::string(1, '\0'), std::string(1, '\0')},
                    CharacterCase{"Euro", "\u20AC", "\x80"},
                    CharacterCase{"SingleLowQuote", "\u201A", "\x82"},
                    CharacterCase{"CapitalSWithCaron", "\u0160", "\x8A"},
                    CharacterCase{"TradeMark", "\u2122", "\x99"},
                    CharacterCase{"CapitalYWithDiaeresis", "\u0178", "\x9F"},
                    CharacterCase{"NoBreakSpace", "\u00A0", "\xA0"},
                    CharacterCase{"FeminineOrdinal", "\u00AA", "\xAA"},
                    CharacterCase{"SmallEWithAcute", "\u00E9", "\xE9"},
                    CharacterCase{"SmallYWithDiaeresis", "\u00FF", "\xFF"},
                    CharacterCase{"Undefined81KeepsItsNumber", "\u0081", "\x81"},
                    CharacterCase{"Undefined9DKeepsItsNumber", "\u009D", "\x9D"},
                    CharacterCase{"Word", "Caf\u00E9 \u20AC5",
                                  "Caf\xE9 \x80"
                                  "5"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    std::string utf8;
};
void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class CodepageRefusalTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(CodepageRefusalTest, GivesNoBytes) {
    EXPECT_EQ(Utf8ToWindows1252(GetParam().utf8), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CodepageRefusalTest,
    testing::Values(
        RefusedCase{"LatinExtendedA", "\u0100"}, RefusedCase{"Devanagari", "\u0905"},
        RefusedCase{"Cjk", "\u6771"}, RefusedCase{"Emoji", "\U0001F600"},
        RefusedCase{"C1ControlWhoseByteIsTaken", "\u0080"},
        RefusedCase{"OneBadCharacterAmongGoodOnes", "abc\u0100def"},
        RefusedCase{"LoneContinuationByte", "\x80"}, RefusedCase{"TruncatedSequence", "\xC3"},
        RefusedCase{"TruncatedThreeByteSequence", "\xE2\x82"},
        RefusedCase{"OverlongSlash", "\xC0\xAF"}, RefusedCase{"OverlongThreeByte", "\xE0\x80\xAF"},
        RefusedCase{"Surrogate", "\xED\xA0\x80"}, RefusedCase{"BeyondUnicode", "\xF4\x90\x80\x80"},
        RefusedCase{"InvalidLeadByte", "\xFF"},
        RefusedCase{"ContinuationMissing",
                    "\xC3"
                    "A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Codepage, EveryByteRoundTrips) {
    for (int code = 0; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(byte)), byte) << "byte " << code;
    }
}

/// The system's converter as an independent reference for the table.
std::optional<std::string> SystemCp1252ToUtf8(unsigned char byte) {
    const iconv_t cd = iconv_open("UTF-8", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    return std::string(out, outPtr);
}

TEST(Codepage, DefinedBytesAgreeWithTheSystemConverter) {
    if (!SystemCp1252ToUtf8('A')) {
        GTEST_SKIP() << "no CP1252 converter installed";
    }
    for (int code = 0; code < 256; ++code) {
        const auto reference = SystemCp1252ToUtf8(static_cast<unsigned char>(code));
        if (!reference) {
            continue;  // one of the five undefined bytes
        }
        EXPECT_EQ(Windows1252ToUtf8(std::string(1, static_cast<char>(code))), *reference)
            << "byte " << code;
    }
}

}  // namespace
}  // namespace tamovid
