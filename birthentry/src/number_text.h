#pragma once

#include <optional>
#include <string_view>

namespace tamovid {

/// A whole, unsigned number from a form text: blanks around it are ignored, anything
/// else that is not a digit, or a value beyond 32767 (the record's 16-bit fields),
/// makes it unreadable.
std::optional<int> ParseFormNumber(std::string_view text);

}  // namespace tamovid
