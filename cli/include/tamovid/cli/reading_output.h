#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include <nlohmann/json.hpp>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/cli/chart_extras.h"

namespace tamovid::cli {

/// Writes readings as compact JSON: {"row"?, "name", "city", "state", "country", "lat",
/// "lon", "tz" (or null), "zone_row" (or null when no row gave the offset), "dst",
/// "utc_offset", "ut", "sun", "ascendant", "sun_longitude", "ascendant_longitude",
/// "engine", "points": [five objects in point order]}; the longitudes are sidereal
/// degrees rounded to six decimals, "engine" is "classic" or "precise"; each point holds
/// "name", "position", "lord", "house", "description", "interpretation". A writer kept
/// for many readings escapes each point's fixed members once per point and house.
class ReadingJsonWriter {
public:
    /// Appends the reading's JSON (no line end) to `text`, with the extras when given
    /// (then each point also holds "nakshatra" and "pada" when the grahas are there, and
    /// "longitude" when the divisional charts are: of these, `charts` are written).
    void Append(std::string& text, const Reading& reading, std::optional<std::size_t> row,
                const FullReading* extras = nullptr, std::span<const Varga> charts = {});

private:
    struct PointMembers {
        // The point's texts the members were made from: views into the fixed text tables.
        std::array<std::string_view, 4> sources;
        std::string before;  // {"name":...,"position":
        std::string after;   // ,"lord":...,"interpretation":...}
    };
    static constexpr std::size_t kHouseSlots = 13;  // houses 0..12
    std::array<std::array<PointMembers, kHouseSlots>, 5> points_;
};

/// For a chart whose daylight-saving box is set on a zone row that already keeps daylight or
/// war time, the sentence that says the hour counts twice; nothing otherwise. The chart is
/// computed as the window computes it all the same.
std::optional<std::string> DaylightTwiceWarning(const Reading& reading);
/// Whether DaylightTwiceWarning has a sentence for the reading, without making it.
bool CountsDaylightTwice(const Reading& reading);
/// The same, from the birth alone, before it is calculated.
bool CountsDaylightTwice(const Birth& birth);

/// One reading's JSON text.
std::string ReadingJsonText(const Reading& reading, std::optional<std::size_t> row = std::nullopt,
                            const FullReading* extras = nullptr,
                            std::span<const Varga> charts = {});

/// {"row": n, "error": message}, with "name" after "row" when the row gives one.
std::string RowErrorJsonText(std::size_t row, std::string_view message,
                             std::string_view name = {});

/// Compact JSON text. Text that is not valid UTF-8 is written with U+FFFD in place of
/// the broken bytes rather than failing the whole output.
std::string JsonText(const nlohmann::ordered_json& value);

/// One JSON value on one line, as JsonText.
void WriteJsonLine(std::ostream& out, const nlohmann::ordered_json& value);

/// The readable reading: name, place, the Sun and the Ascendant, then each point's
/// heading and the five lines the window shows for it; then the extras' sections.
void WriteTextReading(std::ostream& out, const Reading& reading,
                      const FullReading* extras = nullptr, std::span<const Varga> charts = {});

}  // namespace tamovid::cli
