// The North Indian chart: the square, its two diagonals and the diamond joining the
// midpoints of its sides. House 1 is the top diamond; the houses run counter-clockwise,
// and each shows the number of the sign it holds.
#include <cstddef>
#include <string>

#include "layout_parts.h"

namespace tamovid::detail {
namespace {

struct HouseShape {
    std::vector<ChartPoint> outline;
    ChartRect captionBox;
    ChartRect labelArea;
};

ChartPoint MirrorX(ChartPoint p) { return {1 - p.x, p.y}; }
ChartPoint MirrorY(ChartPoint p) { return {p.x, 1 - p.y}; }
ChartRect MirrorX(ChartRect r) { return {1 - r.right(), r.top, r.width, r.height}; }
ChartRect MirrorY(ChartRect r) { return {r.left, 1 - r.bottom(), r.width, r.height}; }

template <typename Mirror>
HouseShape Mirrored(const HouseShape& shape, Mirror mirror) {
    HouseShape out{{}, mirror(shape.captionBox), mirror(shape.labelArea)};
    for (const ChartPoint& p : shape.outline) out.outline.push_back(mirror(p));
    return out;
}

// The four houses of the top left; the rest are their mirror images. The label areas keep
// clear of every line by at least half a percent of the side; the tests check it.
HouseShape TopDiamond() {  // house 1
    return {{{0.5, 0}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.25}},
            {0.46, 0.385, 0.08, 0.05},
            {0.39, 0.12, 0.22, 0.2}};
}
HouseShape TopLeftTriangle() {  // house 2
    return {{{0, 0}, {0.5, 0}, {0.25, 0.25}}, {0.225, 0.17, 0.05, 0.04}, {0.15, 0.012, 0.2, 0.118}};
}
HouseShape LeftUpperTriangle() {  // house 3
    return {{{0, 0}, {0.25, 0.25}, {0, 0.5}}, {0.17, 0.23, 0.05, 0.04}, {0.012, 0.16, 0.138, 0.18}};
}
// Wider, lower rooms than the label areas of houses 2 and 3, clear of their lines by
// half a percent of the side and of their captions at the apex.
constexpr ChartRect kTopLeftCrowdedArea{0.105, 0.012, 0.29, 0.083};
constexpr ChartRect kLeftUpperCrowdedArea{0.012, 0.175, 0.153, 0.15};

HouseShape LeftDiamond() {  // house 4
    return {{{0, 0.5}, {0.25, 0.25}, {0.5, 0.5}, {0.25, 0.75}},
            {0.385, 0.48, 0.05, 0.04},
            {0.12, 0.39, 0.2, 0.22}};
}

auto MirrorBoth(ChartPoint p) { return MirrorX(MirrorY(p)); }
auto MirrorBoth(ChartRect r) { return MirrorX(MirrorY(r)); }

// Shapes of houses 1..12 at positions 0..11.
std::array<HouseShape, 12> HouseShapes() {
    const auto x = [](auto v) { return MirrorX(v); };
    const auto y = [](auto v) { return MirrorY(v); };
    const auto xy = [](auto v) { return MirrorBoth(v); };
    return {TopDiamond(),
            TopLeftTriangle(),
            LeftUpperTriangle(),
            LeftDiamond(),
            Mirrored(LeftUpperTriangle(), y),
            Mirrored(TopLeftTriangle(), y),
            Mirrored(TopDiamond(), y),
            Mirrored(TopLeftTriangle(), xy),
            Mirrored(LeftUpperTriangle(), xy),
            Mirrored(LeftDiamond(), x),
            Mirrored(LeftUpperTriangle(), x),
            Mirrored(TopLeftTriangle(), x)};
}

}  // namespace

std::optional<ChartRect> NorthCrowdedArea(int house) {
    // The other triangles mirror houses 2 and 3.
    switch (house) {
        case 2:
            return kTopLeftCrowdedArea;
        case 6:
            return MirrorY(kTopLeftCrowdedArea);
        case 8:
            return MirrorBoth(kTopLeftCrowdedArea);
        case 12:
            return MirrorX(kTopLeftCrowdedArea);
        case 3:
            return kLeftUpperCrowdedArea;
        case 5:
            return MirrorY(kLeftUpperCrowdedArea);
        case 9:
            return MirrorBoth(kLeftUpperCrowdedArea);
        case 11:
            return MirrorX(kLeftUpperCrowdedArea);
        default:
            return std::nullopt;
    }
}

ChartLayout NorthGrid(int ascendantSign) {
    ChartLayout layout;
    layout.style = ChartStyle::kNorth;
    const ChartPoint tl{0, 0}, tr{1, 0}, br{1, 1}, bl{0, 1};
    const ChartPoint top{0.5, 0}, right{1, 0.5}, bottom{0.5, 1}, left{0, 0.5};
    layout.lines = {{tl, tr},     {tr, br},        {br, bl},       {bl, tl},      // the square
                    {tl, br},     {tr, bl},                                       // its diagonals
                    {top, right}, {right, bottom}, {bottom, left}, {left, top}};  // the diamond

    const std::array<HouseShape, 12> shapes = HouseShapes();
    for (int house = 1; house <= 12; ++house) {
        const int sign = SignOfHouse(house, ascendantSign);
        ChartCell& cell = layout.cells[static_cast<std::size_t>(sign)];
        const HouseShape& shape = shapes[static_cast<std::size_t>(house - 1)];
        cell.sign = sign;
        cell.house = house;
        cell.outline = shape.outline;
        cell.caption = std::to_string(sign + 1);
        cell.shortCaption = cell.caption;
        cell.captionBox = shape.captionBox;
        cell.labelArea = shape.labelArea;
    }
    return layout;
}

}  // namespace tamovid::detail
