#pragma once

#include <charconv>
#include <string_view>

#include "tamovid/positions/tables.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid::testing_support {

/// The position a compact text such as "16 Sag 31" names, the longitude left at 0: the
/// tests write positions as the readings show them. Numbers may lie out of range.
inline ZodiacPosition Compact(std::string_view text) {
    auto number = [](std::string_view digits) {
        int value = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return value;
    };
    const auto first = text.find(' ');
    const auto last = text.rfind(' ');
    return {SignIndex(text.substr(first + 1, last - first - 1)), number(text.substr(0, first)),
            number(text.substr(last + 1)), 0};
}

}  // namespace tamovid::testing_support
