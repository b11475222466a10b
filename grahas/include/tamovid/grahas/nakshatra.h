#pragma once

#include <array>
#include <string_view>

namespace tamovid {

inline constexpr int kNakshatraCount = 27;
inline constexpr int kPadasPerNakshatra = 4;
/// 13 deg 20' and 3 deg 20', the spans of a nakshatra and of a pada.
inline constexpr double kNakshatraSpanDegrees = 360.0 / kNakshatraCount;
inline constexpr double kPadaSpanDegrees = kNakshatraSpanDegrees / kPadasPerNakshatra;

// clang-format off
inline constexpr std::array<std::string_view, kNakshatraCount> kNakshatraNames{
    "Ashwini",          "Bharani",           "Krittika",       "Rohini",
    "Mrigashira",       "Ardra",             "Punarvasu",      "Pushya",
    "Ashlesha",         "Magha",             "Purva Phalguni", "Uttara Phalguni",
    "Hasta",            "Chitra",            "Swati",          "Vishakha",
    "Anuradha",         "Jyeshtha",          "Mula",           "Purva Ashadha",
    "Uttara Ashadha",   "Shravana",          "Dhanishta",      "Shatabhisha",
    "Purva Bhadrapada", "Uttara Bhadrapada", "Revati"};
// clang-format on

struct NakshatraPada {
    int index = 0;  ///< 0 Ashwini .. 26 Revati
    int pada = 1;   ///< 1..4
    std::string_view name;
};

/// The nakshatra and pada of a sidereal longitude in degrees (any value; taken modulo
/// 360). A longitude on a boundary belongs to the span that begins there.
NakshatraPada NakshatraOf(double siderealLongitude);

}  // namespace tamovid
