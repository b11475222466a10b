#include "tamovid/chartlayout/chart_layout.h"

#include <algorithm>
#include <cstddef>
#include <tuple>

#include "layout_parts.h"

namespace tamovid {
namespace {

// The tallest a label row may be, as a share of the chart's side: rows stay this high
// until a crowded cell needs them lower.
constexpr double kSouthMaxRow = 0.04;
constexpr double kNorthMaxRow = 0.034;

}  // namespace

namespace detail {

void StackLabels(ChartCell& cell, std::vector<ChartPlacement> placements, double maxRow) {
    // Earlier in the sign first; equal positions in the order of the bodies.
    std::stable_sort(
        placements.begin(), placements.end(), [](const ChartPlacement& a, const ChartPlacement& b) {
            return std::tie(a.degrees, a.minutes, a.body) < std::tie(b.degrees, b.minutes, b.body);
        });
    cell.labels.clear();
    if (placements.empty()) return;
    const ChartRect& area = cell.labelArea;
    const double row = std::min(maxRow, area.height / static_cast<double>(placements.size()));
    double top = area.top + (area.height - row * static_cast<double>(placements.size())) / 2;
    for (const ChartPlacement& placement : placements) {
        cell.labels.push_back(
            {placement.body, LabelText(placement), {area.left, top, area.width, row}});
        top += row;
    }
}

}  // namespace detail

std::string_view ChartStyleName(ChartStyle style) {
    return style == ChartStyle::kNorth ? "north" : "south";
}

std::optional<ChartStyle> ChartStyleFromName(std::string_view name) {
    if (name == "south") return ChartStyle::kSouth;
    if (name == "north") return ChartStyle::kNorth;
    return std::nullopt;
}

ChartLayout LayoutChart(ChartStyle style, const ChartInput& input) {
    const int ascendantSign = ((input.ascendantSign % 12) + 12) % 12;
    ChartLayout layout = style == ChartStyle::kNorth ? detail::NorthGrid(ascendantSign)
                                                     : detail::SouthGrid(ascendantSign);
    const double maxRow = style == ChartStyle::kNorth ? kNorthMaxRow : kSouthMaxRow;
    std::array<std::vector<ChartPlacement>, 12> bySign;
    for (const ChartPlacement& placement : input.placements) {
        if (placement.sign >= 0 && placement.sign < 12) {
            bySign[static_cast<std::size_t>(placement.sign)].push_back(placement);
        }
    }
    for (std::size_t sign = 0; sign < bySign.size(); ++sign) {
        detail::StackLabels(layout.cells[sign], std::move(bySign[sign]), maxRow);
    }
    if (layout.centreBox) layout.centreLines = input.centreLines;
    return layout;
}

std::vector<std::string> DescribeCells(const ChartLayout& layout) {
    std::vector<const ChartCell*> byHouse;
    for (const ChartCell& cell : layout.cells) byHouse.push_back(&cell);
    std::sort(byHouse.begin(), byHouse.end(),
              [](const ChartCell* a, const ChartCell* b) { return a->house < b->house; });
    std::vector<std::string> sentences;
    for (const ChartCell* cell : byHouse) {
        std::string sentence = "House " + std::to_string(cell->house) + ", " +
                               std::string(kSignNames[static_cast<std::size_t>(cell->sign)]) + ": ";
        if (cell->labels.empty()) sentence += "empty";
        for (std::size_t i = 0; i < cell->labels.size(); ++i) {
            if (i > 0) sentence += ", ";
            sentence += cell->labels[i].text;
        }
        sentences.push_back(sentence + '.');
    }
    return sentences;
}

bool InsideOutline(ChartPoint p, const std::vector<ChartPoint>& outline) {
    if (outline.size() < 3) return false;  // no area holds any point
    int turn = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const ChartPoint a = outline[i];
        const ChartPoint b = outline[(i + 1) % outline.size()];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        const int side = cross > 0 ? 1 : -1;
        if (turn != 0 && side != turn) return false;
        turn = side;
    }
    return true;
}

}  // namespace tamovid
