#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tamovid {

/// Index of every per-point table and, plus one, of the result tabs.
enum AprakashaPoint : int { kDhuma = 0, kVyatipata = 1, kParivesha = 2, kChapa = 3, kUpaketu = 4 };
inline constexpr int kAprakashaPointCount = 5;

/// The five points of one chart. Default-constructed it stands for "before the
/// first calculation": empty texts and houses 0.
struct AprakashaResult {
    /// Point texts: degrees, sign, minutes without leading zeros ("13 Leo 20", "0 Pis 0").
    std::array<std::string, 5> strAprPositions;
    /// Houses counted forward from the Ascendant, 1..12; 0 before a calculation.
    std::array<std::int16_t, 5> intAprHouses{};
    std::array<std::string_view, 5> strAprNames{};
    std::array<std::string_view, 5> strAprLords{};
    std::array<std::string_view, 5> strAprDescriptions{};
    /// The text chosen by each point's house; "" for a house outside 1..12.
    std::array<std::string_view, 5> strAprInterpretations{};
};

/// The five points from the Sun's and the Ascendant's compact texts ("16 Sag 31",
/// "17 Pis 31"), read by character position. Never fails: a missing or unreadable
/// number reads as 0, an unknown sign as Aries, and a Sun whose degrees or minutes lie
/// out of range is taken round the circle ("99 Ari 75" as 10°15' Cancer).
AprakashaResult CalcAprakashaGrahas(std::string_view sunCompact, std::string_view ascendantCompact);

/// Interpretation of a point in a house; "" for a house outside 1..12 or an unknown point.
std::string_view Interpretation(AprakashaPoint point, int house);

/// The five display lines of a point, exactly as the window shows them:
/// "Position at <pos>", "Lord is <lord>", "<description>",
/// "<name> is in the house <h> from the Ascendant", "<interpretation>".
std::array<std::string, 5> ResultLines(const AprakashaResult& result, AprakashaPoint point);

}  // namespace tamovid
