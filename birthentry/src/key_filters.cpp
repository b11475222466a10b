#include "tamovid/birthentry/key_filters.h"

#include <algorithm>

namespace tamovid {
namespace {

constexpr int kBackspace = 8;
constexpr int kDelete = 127;

bool IsLetterOrBlank(int code) {
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ';
}
bool IsDigit(int code) { return code >= '0' && code <= '9'; }

// Every byte of a UTF-8 character beyond ASCII is 0x80 or above, so a byte-wise
// check refuses accented letters and every other non-ASCII character.
template <typename Accepts>
bool AllCharacters(std::string_view text, Accepts accepts) {
    return std::all_of(text.begin(), text.end(),
                       [&](char c) { return accepts(static_cast<unsigned char>(c)); });
}

}  // namespace

KeyVerdict LetterFilter(int keyCode) {
    if (IsLetterOrBlank(keyCode) || keyCode == kBackspace || keyCode == kDelete) return {};
    return {false, kLettersOnlyMessage, true};
}

KeyVerdict DigitFilter(int keyCode) {
    if (IsDigit(keyCode) || keyCode == kBackspace || keyCode == kDelete) return {};
    return {false, kNumbersOnlyMessage, false};
}

bool LetterFilterAcceptsText(std::string_view text) { return AllCharacters(text, IsLetterOrBlank); }

bool DigitFilterAcceptsText(std::string_view text) { return AllCharacters(text, IsDigit); }

}  // namespace tamovid
