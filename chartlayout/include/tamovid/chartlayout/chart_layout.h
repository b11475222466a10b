#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/fullreading/full_reading.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/vargas/varga.h"
#include "tamovid/vargas/varga_body.h"

namespace tamovid {

struct Reading;

/// The two customary ways of drawing a Rasi chart.
enum class ChartStyle { kSouth, kNorth };

/// "south" or "north".
std::string_view ChartStyleName(ChartStyle style);
/// The style for "south" or "north" (exact, lower case); nothing for any other text.
std::optional<ChartStyle> ChartStyleFromName(std::string_view name);

/// What a chart shows, in the order labels of equal position are stacked: the Ascendant,
/// the Sun and the five points, then the other eight grahas, then the six time-based
/// upagrahas (Kala .. Mandi).
enum class ChartBody {
    kAscendant,
    kSun,
    kDhuma,
    kVyatipata,
    kParivesha,
    kChapa,
    kUpaketu,
    kMoon,
    kMars,
    kMercury,
    kJupiter,
    kVenus,
    kSaturn,
    kRahu,
    kKetu,
    kKala,
    kMrityu,
    kArdhaprahara,
    kYamaghantaka,
    kGulika,
    kMandi
};
inline constexpr int kChartBodyCount = 21;
inline constexpr int kChartUpagrahaCount = 6;

/// "As", "Su", "Dh", "Vy", "Pa", "Ch", "Up", then "Mo", "Ma", "Me", "Ju", "Ve", "Sa",
/// "Ra", "Ke", then "Kl", "Mr", "Ap", "Yg", "Gk", "Md".
std::string_view BodyAbbreviation(ChartBody body);

/// The body of the time-based upagraha of this index, 0 Kala .. 5 Mandi.
constexpr ChartBody UpagrahaBody(int index) {
    return static_cast<ChartBody>(static_cast<int>(ChartBody::kKala) + index);
}

/// Whether the body is one of the nine grahas (the Sun included).
bool IsGraha(ChartBody body);

/// Full sign names, "Aries" at 0 to "Pisces" at 11.
inline constexpr std::array<std::string_view, 12> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

/// One body in its sign: sign 0..11, degrees 0..29 and minutes 0..59 within the sign.
struct ChartPlacement {
    ChartBody body = ChartBody::kAscendant;
    int sign = 0;
    int degrees = 0;
    int minutes = 0;
    bool retrograde = false;  ///< marked on the label
    bool signOnly = false;    ///< a divisional chart's: the label gives no degrees
};

/// Everything a chart is drawn from.
struct ChartInput {
    int ascendantSign = 0;  ///< 0..11; the first house
    std::vector<ChartPlacement> placements;
    /// Lines about the birth for the middle of the South Indian chart, top to bottom.
    std::vector<std::string> centreLines;
};

/// The Ascendant, the Sun and the five points of a reading, with the name, date, time
/// and place.
ChartInput ChartInputFromReading(const Reading& reading);

/// Adds the Moon to Ketu (sidereal longitudes, degrees) to a chart, truncated to the
/// minute like every other label, with their retrograde flags. The Sun is left out: the
/// chart's Sun is the reading's own. Longitudes that are not finite are skipped.
void AddGrahaPlacements(ChartInput& input, std::span<const GrahaPosition> grahas);

/// A divisional chart of bodies (the Ascendant among them) by their signs in it, the
/// labels without degrees; `varga`'s title ("D9 Navamsa") heads the centre lines. A body
/// a chart has no label for, or with no sign, is left out.
ChartInput VargaChartInput(std::span<const VargaBody> bodies, Varga varga,
                           std::vector<std::string> centreLines);

/// "D9 Navamsa".
std::string VargaTitle(Varga varga);
/// Adds one body at a sidereal longitude (degrees), truncated to the minute like every
/// other label; a longitude that is not finite is skipped.
void AddPlacement(ChartInput& input, ChartBody body, double longitude, bool retrograde = false);

/// Adds the six time-based upagrahas of a reading (UpagrahaLongitudes, Kala .. Mandi):
/// Gulika and Mandi always, the other four when `all`.
void AddUpagrahaPlacements(ChartInput& input, std::span<const NamedLongitude> six, bool all);

/// The centre lines of a reading: name, date, time, place, coordinates; empty ones left out.
std::vector<std::string> CentreLines(const Reading& reading);

/// Positions are in a unit square: x to the right, y downward, 0..1 both.
struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct ChartRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

struct ChartSegment {
    ChartPoint from;
    ChartPoint to;
};

/// One label and the box it is drawn in; the boxes of a cell never overlap.
struct ChartLabel {
    ChartBody body = ChartBody::kAscendant;
    std::string text;      ///< as drawn: "Dh 11°19'", or "Dh 11°" or "Dh" in a crowded cell
    std::string fullText;  ///< never shortened: "Dh 11°19'", "Sa 3°07' R"
    ChartRect box;
    double textHeight = 0;  ///< the font's size (em), a share of the chart's side
};

/// Labels are never drawn smaller than this, as a share of the chart's side (16 pixels
/// on a 1000-pixel image): a crowded cell abbreviates its labels and sets them in
/// columns before they would shrink below it.
inline constexpr double kSmallestLabelText = 0.016;

/// One sign of the chart, which is also one house.
struct ChartCell {
    int sign = 0;                     ///< 0 Aries .. 11 Pisces
    int house = 1;                    ///< 1..12, counted forward from the Ascendant's sign
    std::vector<ChartPoint> outline;  ///< the cell's convex outline, drawn by the grid lines
    std::string caption;              ///< the sign's name (South) or number 1..12 (North)
    std::string shortCaption;         ///< "Sag", for a caption box too small for the name
    ChartRect captionBox;
    ChartRect labelArea;             ///< the part of the cell that holds the labels
    std::vector<ChartLabel> labels;  ///< by position within the sign, top to bottom
};

struct ChartLayout {
    ChartStyle style = ChartStyle::kSouth;
    std::vector<ChartSegment> lines;  ///< the grid, outer square included
    std::optional<ChartSegment>
        ascendantMark;                   ///< South: the stroke across the first house's corner
    std::array<ChartCell, 12> cells;     ///< by sign, Aries first
    std::optional<ChartRect> centreBox;  ///< South: the middle that holds centreLines
    std::vector<std::string> centreLines;
};

/// Where everything goes in a chart of this style. labelText, a share of the side, asks
/// for labels at least that large where a cell has room for them (7 pt on paper, say),
/// abbreviated or set in columns before they are made smaller; 0 keeps the style's own
/// size.
ChartLayout LayoutChart(ChartStyle style, const ChartInput& input, double labelText = 0);

/// The chart as sentences for screen readers and text output, one per house in house
/// order: "House 1, Taurus: As 12°03'." or "House 4, Leo: empty."
std::vector<std::string> DescribeCells(const ChartLayout& layout);

/// The text of one label: "Dh 11°19'", with " R" after a retrograde graha's.
std::string LabelText(const ChartPlacement& placement);

/// Whether a point lies inside a convex outline, whichever way round the outline runs;
/// a cell's outline tells which house a point of the chart falls in. Fewer than three
/// corners enclose nothing.
bool InsideOutline(ChartPoint p, const std::vector<ChartPoint>& outline);

}  // namespace tamovid
