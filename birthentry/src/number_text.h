#pragma once

#include <optional>
#include <string_view>

namespace tamovid {

/// A whole, unsigned number from a form text: blanks around it are ignored, anything
/// else that is not a digit, or a value beyond 32767 (the record's 16-bit fields),
/// makes it unreadable.
std::optional<int> ParseFormNumber(std::string_view text);

/// A number field as given: whether it holds any text at all, and the number it reads as.
struct GivenNumber {
    bool given = false;
    std::optional<int> value;
};

GivenNumber ReadNumberField(std::string_view text);

}  // namespace tamovid
