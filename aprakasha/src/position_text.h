#pragma once

#include <string>
#include <string_view>

// Reading and writing the position texts by fixed character positions.
namespace tamovid::detail {

/// Whole number, a sign allowed, in the 1-based characters first..last of text, blanks
/// around it ignored. Characters past the end are missing; a field that is empty or not
/// wholly a number reads as 0.
int ReadNumberInColumns(std::string_view text, std::size_t first, std::size_t last);

/// Sign index 0..11 of the abbreviation in characters 4..6, or 0 when none matches.
int ReadSignIndex(std::string_view text);

/// Degrees and minutes of a point text, whose numbers have one or two digits.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
};
DegreesMinutes ReadPointText(std::string_view pointText);

/// "<degrees> <sign> <minutes>" with plain numbers: "0 Pis 0", "16 Sco 40".
std::string WritePointText(int sign, int degrees, int minutes);

}  // namespace tamovid::detail
