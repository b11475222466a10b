#pragma once

#include <optional>
#include <string_view>

namespace tamovid {

/// A whole, unsigned number from a form text: blanks around it are ignored, anything
/// else that is not a digit, or a value beyond 32767, makes it unreadable.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace tamovid
