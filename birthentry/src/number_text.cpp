#include "number_text.h"

#include <charconv>

#include "tamovid/positions/blanks.h"

namespace tamovid {

std::optional<int> ParseWholeNumber(std::string_view text) {
    const std::string_view digits = TrimBlanks(text);
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size() || value < 0 ||
        value > 32767) {
        return std::nullopt;
    }
    return value;
}

}  // namespace tamovid
