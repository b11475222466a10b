#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>
#include <variant>

#include "tamovid/test_support/sample_entries.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid {
namespace {

// Anything written keeps at least this far from a line, as a share of the chart's side.
constexpr double kClearance = 0.004;

ChartLayout Delhi(ChartStyle style) {
    const auto reading = Calculate(testing_support::BirthOf(testing_support::Delhi1947()));
    return LayoutChart(style, ChartInputFromReading(reading));
}

const ChartCell* CellHolding(const ChartLayout& layout, ChartBody body) {
    for (const ChartCell& cell : layout.cells) {
        for (const ChartLabel& label : cell.labels) {
            if (label.body == body) return &cell;
        }
    }
    return nullptr;
}

struct DelhiPlace {
    ChartBody body;
    int sign;
    int northHouse;
};

// 15 August 1947, 00:00, Delhi: Ascendant in Taurus.
constexpr DelhiPlace kDelhi[] = {
    {ChartBody::kAscendant, 1, 1}, {ChartBody::kSun, 3, 3},     {ChartBody::kVyatipata, 3, 3},
    {ChartBody::kChapa, 2, 2},     {ChartBody::kUpaketu, 2, 2}, {ChartBody::kDhuma, 8, 8},
    {ChartBody::kParivesha, 9, 9},
};

TEST(ChartLayout, Delhi1947PutsEachBodyInItsSignAndHouse) {
    const ChartLayout south = Delhi(ChartStyle::kSouth);
    const ChartLayout north = Delhi(ChartStyle::kNorth);
    for (const DelhiPlace& expected : kDelhi) {
        SCOPED_TRACE(std::string(BodyAbbreviation(expected.body)));
        const ChartCell* s = CellHolding(south, expected.body);
        const ChartCell* n = CellHolding(north, expected.body);
        ASSERT_NE(s, nullptr);
        ASSERT_NE(n, nullptr);
        EXPECT_EQ(s->sign, expected.sign);
        EXPECT_EQ(n->house, expected.northHouse);
    }
    // North shows sign numbers: house 1 holds Taurus, the second sign.
    EXPECT_EQ(north.cells[1].caption, "2");
    EXPECT_EQ(south.cells[1].caption, "Taurus");
    ASSERT_TRUE(south.ascendantMark.has_value());
    EXPECT_GE(south.ascendantMark->from.x, 0.5);  // Taurus is the third cell of the top row
    EXPECT_LE(south.ascendantMark->to.x, 0.75);
    EXPECT_FALSE(north.ascendantMark.has_value());
}

TEST(ChartLayout, LabelsReadDegreesAndTwoDigitMinutesInOrderWithinTheSign) {
    ChartInput input;
    input.placements = {
        {ChartBody::kUpaketu, 4, 27, 59}, {ChartBody::kChapa, 4, 5, 3}, {ChartBody::kSun, 4, 5, 3}};
    const ChartLayout layout = LayoutChart(ChartStyle::kSouth, input);
    std::vector<std::string> texts;
    for (const ChartLabel& label : layout.cells[4].labels) texts.push_back(label.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"Su 5\u00B003'", "Ch 5\u00B003'", "Up 27\u00B059'"}));
    // A cell with room keeps full-width rows of the style's height, the text a fifth lower
    // (or narrower where the cell is narrow).
    for (const auto& [style, row] :
         {std::pair{ChartStyle::kSouth, 0.04}, std::pair{ChartStyle::kNorth, 0.034}}) {
        const ChartCell cell = LayoutChart(style, input).cells[4];
        EXPECT_NEAR(cell.labels[0].box.height, row, 1e-12);
        EXPECT_LE(cell.labels[0].textHeight, row * 0.8 + 1e-12);
        EXPECT_DOUBLE_EQ(cell.labels[0].box.width, cell.labelArea.width);
    }
    EXPECT_NEAR(layout.cells[4].labels[0].textHeight, 0.032, 1e-12);
}

TEST(ChartLayout, GrahasJoinTheChartTruncatedToTheMinuteWithTheirRetrogradeMark) {
    struct Row {
        Graha graha;
        double longitude;
        bool retrograde;
        int sign;  // -1: left out
        const char* label;
    };
    constexpr Row kRows[] = {
        {Graha::kSun, 100, false, -1, ""},  // the chart's Sun is the reading's own
        {Graha::kMoon, 45.9999, false, 1, "Mo 15\u00B059'"},
        {Graha::kMars, 359.99999, false, 11, "Ma 29\u00B059'"},
        {Graha::kMercury, 30.0, false, 1, "Me 0\u00B000'"},
        {Graha::kJupiter, -0.5, false, 11, "Ju 29\u00B030'"},
        {Graha::kVenus, 720.25, false, 0, "Ve 0\u00B015'"},
        {Graha::kSaturn, 200.5, true, 6, "Sa 20\u00B030' R"},
        {Graha::kRahu, std::nan(""), true, -1, ""},
        {Graha::kKetu, 12.34, true, 0, "Ke 12\u00B020' R"},
    };
    std::vector<GrahaPosition> grahas;
    for (const Row& r : kRows) grahas.push_back({r.graha, r.longitude, 0, r.retrograde});
    ChartInput input;
    input.placements.push_back({ChartBody::kAscendant, 3, 1, 2});
    AddGrahaPlacements(input, grahas);
    std::size_t next = 1;
    for (const Row& r : kRows) {
        if (r.sign < 0) continue;
        ASSERT_LT(next, input.placements.size());
        const ChartPlacement& p = input.placements[next++];
        EXPECT_EQ(BodyAbbreviation(p.body), kGrahaNames[GrahaIndex(r.graha)].label);
        EXPECT_EQ(p.sign, r.sign) << r.label;
        EXPECT_EQ(LabelText(p), r.label);
        EXPECT_TRUE(IsGraha(p.body));
    }
    EXPECT_EQ(next, input.placements.size());
    EXPECT_FALSE(IsGraha(ChartBody::kUpaketu));
}

// A divisional chart places each body by its sign there, the Ascendant's sign first,
// names without degrees; a body the chart cannot label is left out.
TEST(ChartLayout, DivisionalChartPlacesBodiesBySignWithoutDegrees) {
    const VargaBody bodies[] = {VargaBodyOf("Ascendant", "As", 37.77),  // D9 Pisces
                                VargaBodyOf("Saturn", "Sa", 95.0, true),  // D9 Leo
                                VargaBodyOf("Gulika", "Gu", 10.0)};
    const ChartLayout layout = LayoutChart(
        ChartStyle::kSouth, VargaChartInput(bodies, Varga::kD9, {"Asha Rao"}));
    EXPECT_EQ(layout.centreLines, (std::vector<std::string>{"D9 Navamsa", "Asha Rao"}));
    const ChartCell* ascendant = CellHolding(layout, ChartBody::kAscendant);
    ASSERT_NE(ascendant, nullptr);
    EXPECT_EQ(ascendant->sign, 11);
    EXPECT_EQ(ascendant->house, 1);
    const ChartCell* saturn = CellHolding(layout, ChartBody::kSaturn);
    ASSERT_NE(saturn, nullptr);
    EXPECT_EQ(saturn->sign, 4);
    EXPECT_EQ(saturn->labels.front().fullText, "Sa R");
    EXPECT_EQ(DescribeCells(layout)[5], "House 6, Leo: Sa R.");
}

TEST(ChartLayout, CentreHoldsTheBirthDataAndDescriptionsFollowTheHouses) {
    const ChartLayout south = Delhi(ChartStyle::kSouth);
    EXPECT_EQ(south.centreLines, (std::vector<std::string>{"Jawahar Lal", "15 August 1947", "00:00",
                                                           "New Delhi, Delhi, India",
                                                           "28\u00B039' N  77\u00B013' E"}));
    EXPECT_TRUE(Delhi(ChartStyle::kNorth).centreLines.empty());
    const std::vector<std::string> sentences = DescribeCells(south);
    ASSERT_EQ(sentences.size(), 12u);
    EXPECT_EQ(sentences[0], "House 1, Taurus: As 7\u00B045'.");
    EXPECT_EQ(sentences[3], "House 4, Leo: empty.");
}

TEST(ChartLayout, ReadingBeforeAnyCalculationGivesAnEmptyChart) {
    const ChartInput input = ChartInputFromReading(Reading{});
    EXPECT_TRUE(input.placements.empty());
    const ChartLayout layout = LayoutChart(ChartStyle::kNorth, input);
    for (const ChartCell& cell : layout.cells) EXPECT_TRUE(cell.labels.empty());
}

TEST(ChartLayout, StyleNames) {
    EXPECT_EQ(ChartStyleFromName("south"), ChartStyle::kSouth);
    EXPECT_EQ(ChartStyleFromName("north"), ChartStyle::kNorth);
    EXPECT_EQ(ChartStyleFromName("North"), std::nullopt);
    EXPECT_EQ(ChartStyleName(ChartStyle::kNorth), "north");
}

TEST(ChartLayout, InsideOutlineEitherWayRound) {
    const std::vector<ChartPoint> clockwise = {{0.5, 0}, {1, 0.5}, {0.5, 1}, {0, 0.5}};
    const std::vector<ChartPoint> counter(clockwise.rbegin(), clockwise.rend());
    for (const auto& outline : {clockwise, counter}) {
        EXPECT_TRUE(InsideOutline({0.5, 0.5}, outline));
        EXPECT_TRUE(InsideOutline({0.3, 0.4}, outline));
        EXPECT_FALSE(InsideOutline({0.1, 0.1}, outline)) << "the corner outside the diamond";
        EXPECT_FALSE(InsideOutline({1.2, 0.5}, outline));
    }
    EXPECT_FALSE(InsideOutline({0.5, 0.5}, {})) << "an empty outline holds nothing";
    EXPECT_FALSE(InsideOutline({0.5, 0.5}, {{0, 0}, {1, 1}}));
}

// --- geometry -------------------------------------------------------------------------

bool Overlap(const ChartRect& a, const ChartRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool Inside(const ChartRect& inner, const ChartRect& outer) {
    constexpr double kSlack = 1e-9;
    return inner.left >= outer.left - kSlack && inner.top >= outer.top - kSlack &&
           inner.right() <= outer.right() + kSlack && inner.bottom() <= outer.bottom() + kSlack;
}

// Distance from a point to a segment.
double Distance(ChartPoint p, const ChartSegment& line) {
    const double dx = line.to.x - line.from.x;
    const double dy = line.to.y - line.from.y;
    const double t = std::clamp(
        ((p.x - line.from.x) * dx + (p.y - line.from.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (line.from.x + t * dx), p.y - (line.from.y + t * dy));
}

// Whether a segment comes closer than the clearance to a rectangle: it crosses it or
// passes one of its corners or sides too near. Sampled finely enough for these sizes.
bool TooClose(const ChartSegment& line, const ChartRect& r) {
    constexpr int kSteps = 400;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = i / double(kSteps);
        const ChartPoint p{line.from.x + t * (line.to.x - line.from.x),
                           line.from.y + t * (line.to.y - line.from.y)};
        const double dx = std::max({r.left - p.x, 0.0, p.x - r.right()});
        const double dy = std::max({r.top - p.y, 0.0, p.y - r.bottom()});
        if (std::hypot(dx, dy) < kClearance) return true;
    }
    for (const ChartPoint corner :
         {ChartPoint{r.left, r.top}, ChartPoint{r.right(), r.top}, ChartPoint{r.left, r.bottom()},
          ChartPoint{r.right(), r.bottom()}}) {
        if (Distance(corner, line) < kClearance) return true;
    }
    return false;
}

struct Crowding {
    ChartStyle style;
    int ascendantSign;
    double labelText;  // asked of the layout; 0.031 is 7 pt on the printed chart
};

class CrowdedCell : public ::testing::TestWithParam<Crowding> {};

// Every sign in turn holds all fifteen labels, some retrograde: each stays in its cell
// and no smaller than the smallest text, and nothing written touches a line or another
// text.
TEST_P(CrowdedCell, NoTextTouchesALineOrAnotherText) {
    const Crowding c = GetParam();
    for (int crowded = 0; crowded < 12; ++crowded) {
        ChartInput input;
        input.ascendantSign = c.ascendantSign;
        input.centreLines = {"A name", "1 January 1906"};
        for (int b = 0; b < kChartBodyCount; ++b) {
            input.placements.push_back({static_cast<ChartBody>(b), crowded, 29 - b, 59,
                                        b % 4 == 3 && IsGraha(static_cast<ChartBody>(b))});
        }
        const ChartLayout layout = LayoutChart(c.style, input, c.labelText);
        SCOPED_TRACE("crowded sign " + std::to_string(crowded));

        std::vector<ChartRect> written;
        std::vector<bool> seenHouse(13, false);
        for (const ChartCell& cell : layout.cells) {
            EXPECT_EQ(cell.house, (cell.sign - c.ascendantSign + 12) % 12 + 1);
            seenHouse[static_cast<std::size_t>(cell.house)] = true;
            EXPECT_EQ(cell.labels.size(), cell.sign == crowded ? std::size_t{kChartBodyCount} : 0u);
            for (const ChartLabel& label : cell.labels) {
                EXPECT_TRUE(Inside(label.box, cell.labelArea));
                EXPECT_GE(label.textHeight, kSmallestLabelText) << label.text;
                EXPECT_LE(label.textHeight, label.box.height) << label.text;
                EXPECT_EQ(label.text.substr(0, 2), BodyAbbreviation(label.body));
                EXPECT_EQ(label.fullText.substr(0, 2), label.text.substr(0, 2));
                EXPECT_EQ(label.fullText.ends_with(" R"), label.text.ends_with(" R")) << label.text;
                written.push_back(label.box);
            }
            written.push_back(cell.captionBox);
            for (const ChartRect& r : {cell.labelArea, cell.captionBox}) {
                for (const ChartPoint corner :
                     {ChartPoint{r.left, r.top}, ChartPoint{r.right(), r.top},
                      ChartPoint{r.left, r.bottom()}, ChartPoint{r.right(), r.bottom()}}) {
                    EXPECT_TRUE(InsideOutline(corner, cell.outline)) << "house " << cell.house;
                }
            }
        }
        EXPECT_EQ(std::count(seenHouse.begin() + 1, seenHouse.end(), true), 12);
        if (layout.centreBox) written.push_back(*layout.centreBox);

        for (std::size_t i = 0; i < written.size(); ++i) {
            for (std::size_t j = i + 1; j < written.size(); ++j) {
                EXPECT_FALSE(Overlap(written[i], written[j])) << i << " and " << j;
            }
            for (const ChartSegment& line : layout.lines)
                EXPECT_FALSE(TooClose(line, written[i])) << i;
            if (layout.ascendantMark) {
                EXPECT_FALSE(TooClose(*layout.ascendantMark, written[i])) << i;
            }
        }
    }
}

std::vector<Crowding> EveryAscendant() {
    std::vector<Crowding> all;
    for (const ChartStyle style : {ChartStyle::kSouth, ChartStyle::kNorth}) {
        for (int sign = 0; sign < 12; ++sign) all.push_back({style, sign, 0});
        for (const int sign : {0, 5}) all.push_back({style, sign, 0.031});
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    EveryAscendantSign, CrowdedCell, ::testing::ValuesIn(EveryAscendant()),
    [](const ::testing::TestParamInfo<Crowding>& p) {
        return std::string(ChartStyleName(p.param.style)) + "_ascendant_" +
               std::string(kSignNames[static_cast<std::size_t>(p.param.ascendantSign)]) +
               (p.param.labelText > 0 ? "_print" : "");
    });

}  // namespace
}  // namespace tamovid
