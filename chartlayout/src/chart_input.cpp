#include <cstddef>
#include <string>
#include <string_view>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/record_text.h"

namespace tamovid {
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
    input.centreLines = CentreLines(reading);
    if (!HasPoints(reading.grahas)) return input;  // nothing calculated yet
    auto add = [&input](ChartBody body, const ZodiacPosition& p) {
        input.placements.push_back({body, p.sign, p.degrees, p.minutes});
    };
    add(ChartBody::kAscendant, reading.ascendant);
    add(ChartBody::kSun, reading.sun);
    for (int i = 0; i < kAprakashaPointCount; ++i) {
        add(static_cast<ChartBody>(static_cast<int>(ChartBody::kDhuma) + i),
            reading.grahas.points[static_cast<std::size_t>(i)]);
    }
    input.ascendantSign = reading.ascendant.sign;
    return input;
}

}  // namespace tamovid
