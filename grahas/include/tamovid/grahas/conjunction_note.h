#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/grahas/graha.h"

namespace tamovid {

/// The five Aprakasha points the notes speak of. Named apart from aprakasha's own count
/// (an int) so that a file may include both headers.
inline constexpr std::size_t kNotedPointCount = 5;

/// A graha in the same sign as a point, and how far apart the two stand.
struct SignMate {
    Graha graha = Graha::kSun;
    double distance = 0;  ///< degrees, 0..30, the arc between them
    friend bool operator==(const SignMate&, const SignMate&) = default;
};

/// What stands in one point's sign.
struct PointNote {
    int sign = 0;                 ///< 0 Aries .. 11 Pisces
    std::vector<SignMate> mates;  ///< in the order of the nine grahas
    bool withSun = false;         ///< the classical marks of affliction
    bool withMoon = false;
    bool withAscendant = false;
    bool Afflicted() const { return withSun || withMoon || withAscendant; }
};

/// What stands in the sign of one point (any sidereal longitude, degrees): the grahas
/// there and whether the Sun, the Moon or the Ascendant shares it.
PointNote NoteOf(double point, std::span<const GrahaPosition> grahas, double ascendant);

/// For each of the five points (sidereal longitudes in degrees, in point order), the
/// grahas in its sign and whether it shares the sign with the Sun, the Moon or the
/// Ascendant. Signs are whole 30-degree spans of the sidereal zodiac.
std::array<PointNote, kNotedPointCount> ConjunctionNotes(
    const std::array<double, kNotedPointCount>& points, std::span<const GrahaPosition> grahas,
    double ascendant);

/// The plain sentence for an afflicted point, "Dhuma shares its sign with the Sun and
/// the Ascendant."; empty when the point is not afflicted.
std::string AfflictionText(std::string_view pointName, const PointNote& note);

}  // namespace tamovid
