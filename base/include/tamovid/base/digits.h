#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace tamovid {

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

/// The value of a text made of ASCII digits only (no sign, no blanks, leading zeros
/// allowed), or nothing when it is empty, holds anything else or exceeds int. The
/// readers of the form, the chart file and the command line add their own rules on top.
constexpr std::optional<int> ParseDigitRun(std::string_view text) {
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!IsAsciiDigit(c)) return std::nullopt;
        const int digit = c - '0';
        if (value > (std::numeric_limits<int>::max() - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

/// "07" for 7, "42" for 42: clock times and minutes of arc.
std::string TwoDigits(int value);
/// The same added to the end of `text`.
void AppendTwoDigits(std::string& text, int value);

}  // namespace tamovid
