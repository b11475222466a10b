#pragma once

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

/// Stacks labels in a cell's label area, each row at most maxRow high, centred as a block.
void StackLabels(ChartCell& cell, std::vector<ChartPlacement> placements, double maxRow);

}  // namespace tamovid::detail
