#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/choices/chart_options.h"
#include "tamovid/grahas/conjunction_note.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/grahas/nakshatra.h"
#include "tamovid/positions/zodiac_position.h"
#include "tamovid/precise/ephemeris.h"

namespace tamovid {

/// The rows of a graha table: the Ascendant, the nine grahas, then the five points.
inline constexpr std::size_t kGrahaTableRows = 15;
inline constexpr std::size_t kAscendantRow = 0;
inline constexpr std::size_t kFirstGrahaRow = 1;
inline constexpr std::size_t kFirstPointRow = kFirstGrahaRow + kGrahaCount;

/// One position of the table.
struct GrahaRow {
    std::string_view name;    ///< "Ascendant", "Sun" .. "Ketu", "Dhuma" .. "Upaketu"
    std::string_view label;   ///< two letters, as a chart writes it: "As", "Su", "Dh"
    ZodiacPosition position;  ///< sidereal
    NakshatraPada nakshatra;
    int house = 1;  ///< 1..12, counted from the Ascendant's sign
    bool retrograde = false;
};

/// Every position of one chart in one frame, with what it was computed with.
struct GrahaTable {
    std::array<GrahaRow, kGrahaTableRows> rows{};
    ChartOptions options;  ///< the engine, the ayanamsa (precise engine only) and the node
    double ayanamsa = 0;   ///< degrees: apparent tropical longitude of date less it is sidereal
    std::string_view ayanamsaName;  ///< "Lahiri" .., or "Classic" for the classic engine's own
    precise::EphemerisSource ephemeris = precise::EphemerisSource::kDataFiles;
    /// Sun .. Ketu as computed, the Sun the reading's own: what a chart is drawn from.
    std::array<GrahaPosition, kGrahaCount> grahas{};
    /// For each of the five points, the grahas in its sign.
    std::array<PointNote, kNotedPointCount> notes{};

    const GrahaRow& Point(std::size_t point) const { return rows[kFirstPointRow + point]; }
};

/// The graha table of a calculated reading, in its engine and with its options. The Sun
/// and the Ascendant are the reading's own, so a chart never shows two of either.
GrahaTable ComputeGrahaTable(const Reading& reading);

}  // namespace tamovid
