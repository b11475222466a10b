#include "number_text.h"

#include "tamovid/positions/blanks.h"
#include "tamovid/positions/digits.h"

namespace tamovid {

namespace {
constexpr int kLargestFormNumber = 32767;
constexpr std::size_t kLongestFormNumber = 5;  // digits of kLargestFormNumber
}  // namespace

std::optional<int> ParseFormNumber(std::string_view text) {
    const std::string_view digits = TrimBlanks(text);
    if (digits.size() > kLongestFormNumber) return std::nullopt;
    const std::optional<int> value = ParseDigitRun(digits);
    if (!value || *value > kLargestFormNumber) return std::nullopt;
    return value;
}

}  // namespace tamovid
