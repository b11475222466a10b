#include "number_text.h"

#include "tamovid/positions/blanks.h"
#include "tamovid/base/digits.h"

namespace tamovid {

namespace {
constexpr int kLargestFormNumber = 32767;
constexpr std::size_t kLongestFormNumber = 5;  // digits of kLargestFormNumber
}  // namespace

std::optional<int> ParseFormNumber(std::string_view text) {
    const std::string_view digits = TrimBlanks(text);
    if (digits.empty() || digits.size() > kLongestFormNumber) return std::nullopt;
    // Five digits cannot overflow, so no step needs the general reader's check.
    int value = 0;
    for (const char c : digits) {
        if (!IsAsciiDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > kLargestFormNumber) return std::nullopt;
    return value;
}

GivenNumber ReadNumberField(std::string_view text) {
    return {!text.empty(), ParseFormNumber(text)};
}

}  // namespace tamovid
