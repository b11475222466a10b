#pragma once

#include <string_view>

namespace tamovid {

inline constexpr std::string_view kLettersOnlyMessage = "Please enter only letters";
inline constexpr std::string_view kNumbersOnlyMessage = "Please enter only numbers";

/// Verdict on one key code delivered to a text field. A refused key is discarded,
/// its message shown with the critical icon, and (letter fields only) the focus put
/// back on the same field.
struct KeyVerdict {
    bool accepted = true;
    std::string_view message;  ///< empty when accepted
    bool refocusField = false;

    friend bool operator==(const KeyVerdict&, const KeyVerdict&) = default;
};

/// Name, city, state and country: A-Z, a-z, blank, backspace (8) and delete (127).
KeyVerdict LetterFilter(int keyCode);
/// Degree and minute fields: 0-9, backspace (8) and delete (127).
KeyVerdict DigitFilter(int keyCode);

/// Whether pasted or dropped text (UTF-8) may enter a field: each of its characters
/// must be a printable character that the field's key filter accepts.
bool LetterFilterAcceptsText(std::string_view text);
bool DigitFilterAcceptsText(std::string_view text);

}  // namespace tamovid
