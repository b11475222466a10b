// The South Indian chart: a 4 x 4 square whose twelve outer cells hold the signs in
// fixed places, Pisces top left, then clockwise; the middle 2 x 2 holds the birth data.
#include <cstddef>
#include <string>

#include "layout_parts.h"
#include "tamovid/positions/tables.h"

namespace tamovid::detail {
namespace {

constexpr double kCell = 0.25;     // one cell's side, a quarter of the square
constexpr double kMargin = 0.012;  // between a line and anything written near it
constexpr double kBand = 0.05;     // the cell's top band: the Ascendant's stroke and the sign name
constexpr double kCaptionHeight = 0.03;
constexpr double kMarkLeg = 0.05;  // the Ascendant's stroke cuts this much off the cell's corner

struct GridPlace {
    int row;
    int column;
};

// Row and column of each sign, Aries first.
constexpr std::array<GridPlace, 12> kPlaces = {{
    {0, 1},
    {0, 2},
    {0, 3},  // Aries, Taurus, Gemini
    {1, 3},
    {2, 3},
    {3, 3},  // Cancer, Leo, Virgo
    {3, 2},
    {3, 1},
    {3, 0},  // Libra, Scorpio, Sagittarius
    {2, 0},
    {1, 0},
    {0, 0},  // Capricorn, Aquarius, Pisces
}};

}  // namespace

ChartLayout SouthGrid(int ascendantSign) {
    ChartLayout layout;
    layout.style = ChartStyle::kSouth;
    // The outer square and the full lines at the quarters, then the halves, which stop at
    // the middle.
    for (const double at : {0.0, kCell, 3 * kCell, 1.0}) {
        layout.lines.push_back({{0, at}, {1, at}});
        layout.lines.push_back({{at, 0}, {at, 1}});
    }
    for (const auto& [from, to] : {std::pair{0.0, kCell}, std::pair{3 * kCell, 1.0}}) {
        layout.lines.push_back({{from, 2 * kCell}, {to, 2 * kCell}});
        layout.lines.push_back({{2 * kCell, from}, {2 * kCell, to}});
    }

    for (int sign = 0; sign < 12; ++sign) {
        ChartCell& cell = layout.cells[static_cast<std::size_t>(sign)];
        const GridPlace place = kPlaces[static_cast<std::size_t>(sign)];
        const double left = place.column * kCell;
        const double top = place.row * kCell;
        cell.sign = sign;
        cell.house = HouseOfSign(sign, ascendantSign);
        cell.outline = {
            {left, top}, {left + kCell, top}, {left + kCell, top + kCell}, {left, top + kCell}};
        cell.caption = std::string(kSignNames[static_cast<std::size_t>(sign)]);
        cell.shortCaption = std::string(strSignAbbr[static_cast<std::size_t>(sign)]);
        cell.captionBox = {left + kMarkLeg + kMargin, top + kMargin, kCell - kMarkLeg - 2 * kMargin,
                           kCaptionHeight};
        cell.labelArea = {left + kMargin, top + kBand, kCell - 2 * kMargin,
                          kCell - kBand - kMargin};
        if (sign == ascendantSign) {
            layout.ascendantMark = ChartSegment{{left, top + kMarkLeg}, {left + kMarkLeg, top}};
        }
    }
    layout.centreBox = ChartRect{kCell + 2 * kMargin, kCell + 2 * kMargin, 2 * kCell - 4 * kMargin,
                                 2 * kCell - 4 * kMargin};
    return layout;
}

}  // namespace tamovid::detail
