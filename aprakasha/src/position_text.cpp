#include "position_text.h"

#include <charconv>

#include "tamovid/positions/blanks.h"
#include "tamovid/positions/tables.h"

namespace tamovid::detail {
namespace {

std::string_view Field(std::string_view text, std::size_t first, std::size_t last) {
    if (first == 0 || first > text.size() || last < first) return {};
    return text.substr(first - 1, last - first + 1);
}

}  // namespace

int ReadNumberInColumns(std::string_view text, std::size_t first, std::size_t last) {
    const std::string_view digits = TrimBlanks(Field(text, first, last));
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) return 0;
    return value;
}

int ReadSignIndex(std::string_view text) {
    const int index = SignIndex(Field(text, 4, 6));
    return index < 0 ? 0 : index;
}

DegreesMinutes ReadPointText(std::string_view pointText) {
    // The minutes end the text, so they sit one place earlier when a number has one digit.
    const std::size_t minutesAt = pointText.size() > 8 ? 8 : 7;
    return {ReadNumberInColumns(pointText, 1, 2),
            ReadNumberInColumns(pointText, minutesAt, minutesAt + 1)};
}

std::string WritePointText(int sign, int degrees, int minutes) {
    std::string text = std::to_string(degrees);
    text += ' ';
    text += strSignAbbr[static_cast<std::size_t>(sign)];
    text += ' ';
    text += std::to_string(minutes);
    return text;
}

}  // namespace tamovid::detail
