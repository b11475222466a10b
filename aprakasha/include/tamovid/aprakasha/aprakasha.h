#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "tamovid/positions/zodiac_position.h"

namespace tamovid {

/// Index of every per-point table and, plus one, of the result tabs.
enum AprakashaPoint : int { kDhuma = 0, kVyatipata = 1, kParivesha = 2, kChapa = 3, kUpaketu = 4 };
inline constexpr int kAprakashaPointCount = 5;

/// One point of a chart: where it lies, the house it falls in and its fixed texts.
struct AprakashaGraha {
    ZodiacPosition position;  ///< whole degrees and minutes
    /// Counted forward from the Ascendant, 1..12; 0 before a calculation.
    std::int16_t house = 0;
    std::string_view name;
    std::string_view lord;
    std::string_view description;
    /// The text chosen by the house; "" for a house outside 1..12.
    std::string_view interpretation;

    friend bool operator==(const AprakashaGraha&, const AprakashaGraha&) = default;
};

/// The five points of one chart, in AprakashaPoint order. Default-constructed it stands
/// for "before the first calculation": empty texts and houses 0.
struct AprakashaResult {
    std::array<AprakashaGraha, kAprakashaPointCount> points{};

    const AprakashaGraha& operator[](AprakashaPoint point) const {
        return points[static_cast<std::size_t>(point)];
    }
};

/// Whether the result comes from a calculation: houses are 1..12 after one, 0 before.
inline bool HasPoints(const AprakashaResult& result) { return result.points[0].house != 0; }

/// The five points from the Sun's place and the Ascendant's sign, in whole degrees and
/// minutes (the longitudes are not read). Never fails: a Sun whose degrees or minutes
/// lie out of range is taken round the circle (Aries 99°75' as 10°15' Cancer), and so
/// is a sign outside 0..11.
AprakashaResult CalcAprakashaGrahas(const ZodiacPosition& sun, const ZodiacPosition& ascendant);

/// The points' texts: degrees, sign, minutes without leading zeros ("13 Leo 20",
/// "0 Pis 0"), as the result lines and readings write them; empty before a calculation.
std::array<std::string, kAprakashaPointCount> PointTexts(const AprakashaResult& result);

/// Interpretation of a point in a house; "" for a house outside 1..12 or an unknown point.
std::string_view Interpretation(AprakashaPoint point, int house);

/// The five display lines of a point, exactly as the window shows them:
/// "Position at <pos>", "Lord is <lord>", "<description>",
/// "<name> is in the house <h> from the Ascendant", "<interpretation>".
std::array<std::string, 5> ResultLines(const AprakashaResult& result, AprakashaPoint point);

}  // namespace tamovid
