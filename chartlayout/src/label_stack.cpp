// How the labels of one cell are set: one column of full labels while they are large
// enough to read, then tighter rows, columns and shorter texts, whichever keeps the text
// largest. The text's width is estimated from the chart font's advances, so that the
// layout needs no font machinery; the painter still shrinks a label that would not fit.
#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "layout_parts.h"

namespace tamovid::detail {
namespace {

// Row height per em of text: the painter's customary fill of 0.8, and the tightest rows
// that keep a degree sign clear of the descender above it.
constexpr double kLooseSpacing = 1.25;
constexpr double kTightSpacing = 1.15;
constexpr double kColumnGap = 0.006;      // between two columns, a share of the side
constexpr double kWidthSafety = 1.04;     // the estimate is no exact measurement
constexpr double kUnlistedAdvance = 0.9;  // em, for a letter the table does not hold

enum class Wording {
    kFull,     // "Mo 12°34'"
    kDegrees,  // "Mo 12°"
    kName,     // "Mo"
};

struct Form {
    int columns;
    Wording wording;
    double spacing;
};

// In the order they are tried; the first that keeps the text readable wins.
constexpr std::array<Form, 8> kForms = {{
    {1, Wording::kFull, kLooseSpacing},
    {1, Wording::kFull, kTightSpacing},
    {2, Wording::kFull, kTightSpacing},
    {1, Wording::kDegrees, kTightSpacing},
    {2, Wording::kDegrees, kTightSpacing},
    {3, Wording::kDegrees, kTightSpacing},
    {3, Wording::kName, kTightSpacing},
    {4, Wording::kName, kTightSpacing},
}};

struct Advance {
    char letter;
    double em;
};

// Advances of DejaVu Sans in ems for the letters labels use.
constexpr std::array<Advance, 13> kCapitals = {{{'A', 0.684},
                                                {'C', 0.698},
                                                {'D', 0.770},
                                                {'J', 0.295},
                                                {'K', 0.656},
                                                {'M', 0.863},
                                                {'P', 0.603},
                                                {'R', 0.695},
                                                {'S', 0.635},
                                                {'U', 0.732},
                                                {'V', 0.684},
                                                {'(', 0.390},
                                                {')', 0.390}}};
constexpr double kLowerCase = 0.64;  // the widest of a e h o p s u y
constexpr double kDigit = 0.636;
constexpr double kSpace = 0.318;
constexpr double kMinuteMark = 0.275;
constexpr double kDegreeSign = 0.5;

double TextEm(std::string_view text) {
    double em = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xB0) {
            em += kDegreeSign;
            ++i;
        } else if (c >= 0x80) {
            if (c >= 0xC0) em += kUnlistedAdvance;  // a lead byte; continuations add nothing
        } else if (c >= 'a' && c <= 'z') {
            em += kLowerCase;
        } else if (c >= '0' && c <= '9') {
            em += kDigit;
        } else if (c == ' ') {
            em += kSpace;
        } else if (c == '\'') {
            em += kMinuteMark;
        } else {
            const auto* found = std::find_if(kCapitals.begin(), kCapitals.end(),
                                             [c](const Advance& a) { return a.letter == c; });
            em += found != kCapitals.end() ? found->em : kUnlistedAdvance;
        }
    }
    return em;
}

std::string Worded(const ChartPlacement& p, Wording wording) {
    if (wording == Wording::kFull || p.signOnly) return LabelText(p);
    std::string text(BodyAbbreviation(p.body));
    if (wording == Wording::kDegrees) text += ' ' + std::to_string(p.degrees) + "\u00B0";
    return p.retrograde ? text + " R" : text;
}

struct Fit {
    double row = 0;   // height of one row
    double text = 0;  // em of its text
};

Fit FitForm(const Form& form, const std::vector<ChartPlacement>& placements, const ChartRect& area,
            const LabelSizes& sizes) {
    const auto count = static_cast<int>(placements.size());
    const int rows = (count + form.columns - 1) / form.columns;
    const double columnWidth = (area.width - (form.columns - 1) * kColumnGap) / form.columns;
    double widest = 0;
    for (const ChartPlacement& p : placements) {
        widest = std::max(widest, TextEm(Worded(p, form.wording)) * kWidthSafety);
    }
    Fit fit;
    fit.row = std::min(sizes.text * form.spacing, area.height / rows);
    fit.text = fit.row / form.spacing;
    if (widest > 0) fit.text = std::min(fit.text, columnWidth / widest);
    return fit;
}

}  // namespace

void StackLabels(ChartCell& cell, std::vector<ChartPlacement> placements, const LabelSizes& sizes,
                 const std::optional<ChartRect>& crowdedArea) {
    // Earlier in the sign first; equal positions in the order of the bodies.
    std::stable_sort(
        placements.begin(), placements.end(), [](const ChartPlacement& a, const ChartPlacement& b) {
            return std::tie(a.degrees, a.minutes, a.body) < std::tie(b.degrees, b.minutes, b.body);
        });
    cell.labels.clear();
    if (placements.empty()) return;

    // The first form that keeps the text readable, in the label area or else in the
    // crowded one; failing that, the largest that still gives the degrees, unless that
    // would go below the smallest text; then the largest of all.
    struct Choice {
        std::size_t form = 0;
        ChartRect area;
        Fit fit;
    };
    std::vector<ChartRect> areas{cell.labelArea};
    if (crowdedArea) areas.push_back(*crowdedArea);
    std::optional<Choice> readable;
    Choice withDegrees{0, cell.labelArea, {}};
    Choice largest{0, cell.labelArea, {}};
    for (std::size_t i = 0; i < kForms.size() && !readable; ++i) {
        for (const ChartRect& area : areas) {
            const Fit fit = FitForm(kForms[i], placements, area, sizes);
            if (fit.text >= sizes.readable) {
                readable = Choice{i, area, fit};
                break;
            }
            if (kForms[i].wording != Wording::kName && fit.text > withDegrees.fit.text) {
                withDegrees = {i, area, fit};
            }
            if (fit.text > largest.fit.text) largest = {i, area, fit};
        }
    }
    const Choice choice = readable                                     ? *readable
                          : withDegrees.fit.text >= kSmallestLabelText ? withDegrees
                                                                       : largest;
    const std::size_t chosen = choice.form;
    const Fit best = choice.fit;
    cell.labelArea = choice.area;
    const ChartRect& area = cell.labelArea;

    const Form& form = kForms[chosen];
    const auto count = static_cast<int>(placements.size());
    const int rows = (count + form.columns - 1) / form.columns;
    const double columnWidth = (area.width - (form.columns - 1) * kColumnGap) / form.columns;
    const double top = area.top + (area.height - best.row * rows) / 2;
    // Down the first column, then the next, so that the labels read in order; each row
    // starts where the one above ends, so that they meet without overlapping.
    double y = top;
    for (int i = 0; i < count; ++i) {
        const ChartPlacement& p = placements[static_cast<std::size_t>(i)];
        const int column = i / rows;
        if (i % rows == 0) y = top;
        cell.labels.push_back(
            {p.body,
             Worded(p, form.wording),
             LabelText(p),
             {area.left + column * (columnWidth + kColumnGap), y, columnWidth, best.row},
             best.text});
        y += best.row;
    }
}

}  // namespace tamovid::detail
