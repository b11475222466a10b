#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace tamovid {

/// The largest offset from Universal Time that any place has used, with room to spare.
inline constexpr int kMaxUtcOffsetMinutes = 15 * 60 + 59;

/// "+05:45", "-04:30", "+00:00": local time minus Universal Time.
inline std::string UtcOffsetText(int minutes) {
    const int magnitude = std::abs(minutes);
    std::string text(1, minutes < 0 ? '-' : '+');
    const int hours = magnitude / 60;
    const int rest = magnitude % 60;
    text += static_cast<char>('0' + hours / 10 % 10);
    text += static_cast<char>('0' + hours % 10);
    text += ':';
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

/// Reads "+05:45" or "-04:30" (sign, two-digit hours, colon, two-digit minutes under
/// 60, at most kMaxUtcOffsetMinutes); nothing for any other text.
inline std::optional<int> ParseUtcOffset(std::string_view text) {
    auto digit = [&](std::size_t i) { return text[i] >= '0' && text[i] <= '9'; };
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':' || !digit(1) ||
        !digit(2) || !digit(4) || !digit(5)) {
        return std::nullopt;
    }
    const int hours = (text[1] - '0') * 10 + (text[2] - '0');
    const int minutes = (text[4] - '0') * 10 + (text[5] - '0');
    if (minutes >= 60) return std::nullopt;
    const int total = hours * 60 + minutes;
    if (total > kMaxUtcOffsetMinutes) return std::nullopt;
    return text[0] == '-' ? -total : total;
}

}  // namespace tamovid
