#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tamovid {

/// The length of the year in which dasha periods are counted.
enum class DashaYear { kSidereal, kJulian, kGregorian, kSavana };

struct DashaYearRow {
    DashaYear year;
    std::string_view key;  ///< for options, the command line and JSON: "sidereal"
    double days;           ///< days of 86,400 s of Universal Time
};

inline constexpr std::array<DashaYearRow, 4> kDashaYears{{
    {DashaYear::kSidereal, "sidereal", 365.256363},  // the Sun's return to a fixed star
    {DashaYear::kJulian, "julian", 365.25},
    {DashaYear::kGregorian, "gregorian", 365.2425},  // the civil calendar's mean year
    {DashaYear::kSavana, "savana", 360},             // twelve months of thirty days
}};

/// The year periods are counted in unless a choice is made.
inline constexpr DashaYear kDefaultDashaYear = DashaYear::kSidereal;

constexpr const DashaYearRow& DashaYearRowOf(DashaYear year) {
    return kDashaYears[static_cast<std::size_t>(year)];
}
constexpr std::string_view DashaYearKey(DashaYear year) { return DashaYearRowOf(year).key; }
constexpr double DashaYearDays(DashaYear year) { return DashaYearRowOf(year).days; }

/// The year a key names, in any case ("Julian"); nothing for any other text.
std::optional<DashaYear> ParseDashaYear(std::string_view text);

}  // namespace tamovid
