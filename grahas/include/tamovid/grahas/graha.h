#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tamovid {

/// The nine grahas in the order every listing of them uses.
enum class Graha { kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu, kKetu };

inline constexpr std::size_t kGrahaCount = 9;

struct GrahaName {
    Graha graha;
    std::string_view name;   ///< "Sun"
    std::string_view label;  ///< two letters for a chart, "Su"
};

inline constexpr std::array<GrahaName, kGrahaCount> kGrahaNames{{
    {Graha::kSun, "Sun", "Su"},
    {Graha::kMoon, "Moon", "Mo"},
    {Graha::kMars, "Mars", "Ma"},
    {Graha::kMercury, "Mercury", "Me"},
    {Graha::kJupiter, "Jupiter", "Ju"},
    {Graha::kVenus, "Venus", "Ve"},
    {Graha::kSaturn, "Saturn", "Sa"},
    {Graha::kRahu, "Rahu", "Ra"},
    {Graha::kKetu, "Ketu", "Ke"},
}};

constexpr std::size_t GrahaIndex(Graha g) { return static_cast<std::size_t>(g); }
constexpr std::string_view GrahaNameOf(Graha g) { return kGrahaNames[GrahaIndex(g)].name; }

/// One graha's place: sidereal longitude and its daily motion.
struct GrahaPosition {
    Graha graha = Graha::kSun;
    double longitude = 0;  ///< sidereal, degrees 0..360
    double speed = 0;      ///< degrees per day in longitude, negative when retrograde
    bool retrograde = false;
};

}  // namespace tamovid

namespace tamovid::detail {
constexpr bool GrahaRowsInEnumOrder() {
    for (std::size_t i = 0; i < kGrahaCount; ++i) {
        if (GrahaIndex(kGrahaNames[i].graha) != i) return false;
    }
    return true;
}
static_assert(GrahaRowsInEnumOrder(), "kGrahaNames is indexed by Graha");
}  // namespace tamovid::detail
