#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr int kDegreesPerSign = 30;
constexpr int kMinutesPerDegree = 60;

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Reads "16 Sag 31", "05 Leo 40" and "0 Pis 0": degrees, a sign abbreviation and minutes
// between blanks, whether the numbers have leading zeros or not.
std::optional<ChartPlacement> ReadPosition(ChartBody body, std::string_view text) {
    std::array<std::string_view, 3> parts;
    std::size_t count = 0;
    text = TrimBlanks(text);
    while (!text.empty()) {
        if (count == parts.size()) return std::nullopt;
        const std::size_t blank = text.find(' ');
        parts[count++] = text.substr(0, blank);
        text =
            blank == std::string_view::npos ? std::string_view{} : TrimBlanks(text.substr(blank));
    }
    if (count != parts.size()) return std::nullopt;
    const std::optional<int> degrees = WholeNumber(parts[0]);
    const int sign = SignIndex(parts[1]);
    const std::optional<int> minutes = WholeNumber(parts[2]);
    if (!degrees || !minutes || sign < 0 || *degrees < 0 || *degrees >= kDegreesPerSign ||
        *minutes < 0 || *minutes >= kMinutesPerDegree) {
        return std::nullopt;
    }
    return ChartPlacement{body, sign, *degrees, *minutes};
}

}  // namespace

std::string_view BodyAbbreviation(ChartBody body) {
    static constexpr std::array<std::string_view, kChartBodyCount> kAbbreviations = {
        "As", "Su", "Dh", "Vy", "Pa", "Ch", "Up"};
    return kAbbreviations[static_cast<std::size_t>(body)];
}

std::string LabelText(const ChartPlacement& placement) {
    return std::string(BodyAbbreviation(placement.body)) + ' ' + std::to_string(placement.degrees) +
           "\u00B0" + TwoDigits(placement.minutes) + '\'';
}

std::vector<std::string> CentreLines(const Reading& reading) {
    const BirthRecord& r = reading.record;
    std::vector<std::string> lines;
    const std::string_view name = TrimBlanks(r.strName);
    if (!name.empty()) lines.emplace_back(name);
    if (r.intMonth >= 1 && r.intMonth <= 12) {
        lines.push_back(DateText(r.intDate, r.intMonth, r.intYear));
    }
    lines.push_back(TwoDigits(r.intHour) + ':' + TwoDigits(r.intMinute) + (r.blnDST ? " DST" : ""));
    const std::string place = PlaceText(r);
    if (!place.empty()) lines.push_back(place);
    lines.push_back(DegreesMinutesText(r.intLatDeg, r.intLatMin, r.blnSouth ? 'S' : 'N') + "  " +
                    DegreesMinutesText(r.intLonDeg, r.intLonMin, r.blnEast ? 'E' : 'W'));
    return lines;
}

ChartInput ChartInputFromReading(const Reading& reading) {
    ChartInput input;
    auto add = [&input](ChartBody body, std::string_view text) {
        if (const std::optional<ChartPlacement> placement = ReadPosition(body, text)) {
            input.placements.push_back(*placement);
        }
    };
    add(ChartBody::kAscendant, reading.ascendant);
    add(ChartBody::kSun, reading.sun);
    for (int i = 0; i < kAprakashaPointCount; ++i) {
        add(static_cast<ChartBody>(static_cast<int>(ChartBody::kDhuma) + i),
            reading.grahas.strAprPositions[static_cast<std::size_t>(i)]);
    }
    if (!input.placements.empty() && input.placements.front().body == ChartBody::kAscendant) {
        input.ascendantSign = input.placements.front().sign;
    }
    input.centreLines = CentreLines(reading);
    return input;
}

}  // namespace tamovid
