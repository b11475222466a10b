#pragma once

#include <optional>
#include <vector>

#include "tamovid/chartlayout/chart_layout.h"

namespace tamovid::detail {

/// Sign held by a house: house 1 holds the Ascendant's sign.
constexpr int SignOfHouse(int house, int ascendantSign) { return (ascendantSign + house - 1) % 12; }
constexpr int HouseOfSign(int sign, int ascendantSign) {
    return (sign - ascendantSign + 12) % 12 + 1;
}

/// The grid and the empty cells of each style, captions and areas set, no labels yet.
ChartLayout SouthGrid(int ascendantSign);
ChartLayout NorthGrid(int ascendantSign);

/// North: a wider, lower part of a house than its label area, for a crowd of short labels
/// where the house's shape has room for one; nothing where it has not.
std::optional<ChartRect> NorthCrowdedArea(int house);

/// Text sizes of labels, as shares of the chart's side.
struct LabelSizes {
    double text = 0;      ///< the size labels are set in while they fit
    double readable = 0;  ///< a cell tries shorter texts and columns before going below this
};

/// Sets the labels in a cell's label area as a block centred in it, in as few columns
/// and as full a text as keep them readable, in the label area or else in the crowded
/// area, which then becomes the cell's label area.
void StackLabels(ChartCell& cell, std::vector<ChartPlacement> placements, const LabelSizes& sizes,
                 const std::optional<ChartRect>& crowdedArea = std::nullopt);

}  // namespace tamovid::detail
