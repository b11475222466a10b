#pragma once

#include <string>
#include <string_view>

namespace tamovid {

/// The text without leading and trailing blanks (spaces only; tabs and other white
/// space are content).
constexpr std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

/// TrimBlanks that keeps the text's own storage instead of viewing it: a batch trims many places.
inline std::string TrimmedText(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, first);
    return text;
}

}  // namespace tamovid
