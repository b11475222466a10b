#include <gtest/gtest.h>

#include <initializer_list>

#include "tamovid/birthentry/key_filters.h"

namespace tamovid {
namespace {

TEST(LetterFilter, AcceptsLettersBlankAndEditingKeys) {
    for (const int code : std::initializer_list<int>{'A', 'Z', 'a', 'z', ' ', 8, 127}) {
        EXPECT_TRUE(LetterFilter(code).accepted) << code;
    }
}

TEST(LetterFilter, RefusesEverythingElseAndKeepsTheFocus) {
    const KeyVerdict refused{false, kLettersOnlyMessage, true};
    // Apostrophe, hyphen, full stop, digits, Enter, Ctrl+C/V/X, tab, accented letters.
    for (const int code : std::initializer_list<int>{'\'', '-', '.', '0', '9', 13, 3, 22, 24, 9,
                                                     0xE9, '@', '[', '`', '{'}) {
        EXPECT_EQ(LetterFilter(code), refused) << code;
    }
}

TEST(DigitFilter, AcceptsDigitsAndEditingKeys) {
    for (const int code : std::initializer_list<int>{'0', '5', '9', 8, 127})
        EXPECT_TRUE(DigitFilter(code).accepted) << code;
}

TEST(DigitFilter, RefusesSignsPointAndLettersWithoutMovingFocus) {
    const KeyVerdict refused{false, kNumbersOnlyMessage, false};
    for (const int code :
         std::initializer_list<int>{'-', '+', '.', ',', 'a', ' ', 13, 3, 22, 24, '/', ':'}) {
        EXPECT_EQ(DigitFilter(code), refused) << code;
    }
}

TEST(PastedText, ObeysTheSameFilters) {
    EXPECT_TRUE(LetterFilterAcceptsText("Mary Ann"));
    EXPECT_TRUE(LetterFilterAcceptsText(""));
    EXPECT_FALSE(LetterFilterAcceptsText("O'Brien"));
    EXPECT_FALSE(LetterFilterAcceptsText("Jos\u00E9"));
    EXPECT_FALSE(LetterFilterAcceptsText("Line\nbreak"));
    EXPECT_TRUE(DigitFilterAcceptsText("123"));
    EXPECT_FALSE(DigitFilterAcceptsText("-12"));
    EXPECT_FALSE(DigitFilterAcceptsText("1.5"));
    EXPECT_FALSE(DigitFilterAcceptsText("\x7f"));
}

}  // namespace
}  // namespace tamovid
