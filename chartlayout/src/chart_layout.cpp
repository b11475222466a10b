#include "tamovid/chartlayout/chart_layout.h"

#include <algorithm>
#include <cstddef>

#include "layout_parts.h"

namespace tamovid {
namespace {

// The size of a label's text, as a share of the chart's side: labels keep it until a
// crowded cell needs them smaller. Rows are a quarter higher than their text.
constexpr double kSouthText = 0.032;
constexpr double kNorthText = 0.0272;
// A cell sets its labels in columns or shortens them before they go below this.
constexpr double kReadableText = 0.02;

}  // namespace

std::string_view ChartStyleName(ChartStyle style) {
    return style == ChartStyle::kNorth ? "north" : "south";
}

std::optional<ChartStyle> ChartStyleFromName(std::string_view name) {
    if (name == "south") return ChartStyle::kSouth;
    if (name == "north") return ChartStyle::kNorth;
    return std::nullopt;
}

ChartLayout LayoutChart(ChartStyle style, const ChartInput& input, double labelText) {
    const int ascendantSign = ((input.ascendantSign % 12) + 12) % 12;
    ChartLayout layout = style == ChartStyle::kNorth ? detail::NorthGrid(ascendantSign)
                                                     : detail::SouthGrid(ascendantSign);
    const double styleText = style == ChartStyle::kNorth ? kNorthText : kSouthText;
    const detail::LabelSizes sizes{std::max(styleText, labelText),
                                   std::max(kReadableText, labelText)};
    std::array<std::vector<ChartPlacement>, 12> bySign;
    for (const ChartPlacement& placement : input.placements) {
        if (placement.sign >= 0 && placement.sign < 12) {
            bySign[static_cast<std::size_t>(placement.sign)].push_back(placement);
        }
    }
    for (std::size_t sign = 0; sign < bySign.size(); ++sign) {
        ChartCell& cell = layout.cells[sign];
        detail::StackLabels(
            cell, std::move(bySign[sign]), sizes,
            style == ChartStyle::kNorth ? detail::NorthCrowdedArea(cell.house) : std::nullopt);
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
            sentence += cell->labels[i].fullText;
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
