#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamovid::atlas {

/// The search form of a name: lower-case ASCII letters and digits, accents taken off
/// ("São Paulo" -> "sao paulo"), hyphens and other separators as single blanks,
/// apostrophes and full stops dropped ("St. John's" -> "st johns"). Nothing when the
/// text holds a letter that has no ASCII form (a name in another script).
std::optional<std::string> FoldName(std::string_view utf8);

/// As FoldName, but letters without an ASCII form are dropped instead of refusing the
/// whole text: for what a user types.
std::string FoldQuery(std::string_view utf8);

/// The name in the letters a form field accepts (A-Z, a-z and blanks), case kept:
/// accents taken off, separators as blanks, other characters dropped ("Sant Julià" ->
/// "Sant Julia", "Winston-Salem" -> "Winston Salem").
std::string FormLetters(std::string_view utf8);

}  // namespace tamovid::atlas
