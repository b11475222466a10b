#include <cmath>
#include <optional>
#include <utility>
#include <cstddef>
#include <string>
#include <string_view>

#include "tamovid/base/digits.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/record_text.h"

namespace tamovid {
namespace {

constexpr int kMinutesPerSign = 30 * 60;
constexpr int kMinutesPerCircle = 12 * kMinutesPerSign;

// The chart's body for each graha after the Sun, in graha order.
constexpr std::array<ChartBody, kGrahaCount> kBodyOfGraha = {
    ChartBody::kSun,     ChartBody::kMoon,    ChartBody::kMars,
    ChartBody::kMercury, ChartBody::kJupiter, ChartBody::kVenus,
    ChartBody::kSaturn,  ChartBody::kRahu,    ChartBody::kKetu};

}  // namespace

std::string_view BodyAbbreviation(ChartBody body) {
    static constexpr std::array<std::string_view, kChartBodyCount> kAbbreviations = {
        "As", "Su", "Dh", "Vy", "Pa", "Ch", "Up", "Mo", "Ma", "Me", "Ju",
        "Ve", "Sa", "Ra", "Ke", "Kl", "Mr", "Ap", "Yg", "Gk", "Md"};
    return kAbbreviations[static_cast<std::size_t>(body)];
}

bool IsGraha(ChartBody body) {
    return body == ChartBody::kSun || (static_cast<int>(body) >= static_cast<int>(ChartBody::kMoon) &&
                                       static_cast<int>(body) <= static_cast<int>(ChartBody::kKetu));
}

std::string LabelText(const ChartPlacement& placement) {
    if (placement.signOnly) {
        return std::string(BodyAbbreviation(placement.body)) + (placement.retrograde ? " R" : "");
    }
    return std::string(BodyAbbreviation(placement.body)) + ' ' + std::to_string(placement.degrees) +
           "\u00B0" + TwoDigits(placement.minutes) + '\'' + (placement.retrograde ? " R" : "");
}

void AddPlacement(ChartInput& input, ChartBody body, double longitude, bool retrograde) {
    if (!std::isfinite(longitude)) return;
    // Whole minutes of arc, truncated, on the circle.
    const double minutes = std::floor(longitude * 60);
    const int onCircle = static_cast<int>(
        std::fmod(std::fmod(minutes, kMinutesPerCircle) + kMinutesPerCircle, kMinutesPerCircle));
    input.placements.push_back({body, onCircle / kMinutesPerSign, onCircle % kMinutesPerSign / 60,
                                onCircle % 60, retrograde});
}

void AddGrahaPlacements(ChartInput& input, std::span<const GrahaPosition> grahas) {
    for (const GrahaPosition& graha : grahas) {
        const std::size_t index = GrahaIndex(graha.graha);
        if (graha.graha == Graha::kSun || index >= kBodyOfGraha.size()) continue;
        AddPlacement(input, kBodyOfGraha[index], graha.longitude, graha.retrograde);
    }
}

void AddUpagrahaPlacements(ChartInput& input, std::span<const NamedLongitude> six, bool all) {
    for (std::size_t i = 0; i < six.size() && i < kChartUpagrahaCount; ++i) {
        const ChartBody body = UpagrahaBody(static_cast<int>(i));
        if (all || body == ChartBody::kGulika || body == ChartBody::kMandi)
            AddPlacement(input, body, six[i].longitude);
    }
}

std::string VargaTitle(Varga varga) {
    return std::string(RuleOf(varga).key) + ' ' + std::string(RuleOf(varga).name);
}

ChartInput VargaChartInput(std::span<const VargaBody> bodies, Varga varga,
                           std::vector<std::string> centreLines) {
    ChartInput input;
    input.centreLines = std::move(centreLines);
    input.centreLines.insert(input.centreLines.begin(), VargaTitle(varga));
    for (const VargaBody& body : bodies) {
        const int sign = body.signs[VargaIndex(varga)];
        std::optional<ChartBody> drawn;
        for (int b = 0; b < kChartBodyCount; ++b) {
            if (BodyAbbreviation(static_cast<ChartBody>(b)) == body.label) drawn = static_cast<ChartBody>(b);
        }
        if (!drawn || sign < 0) continue;
        if (*drawn == ChartBody::kAscendant) input.ascendantSign = sign;
        ChartPlacement placement{*drawn, sign, 0, 0, body.retrograde};
        placement.signOnly = true;
        input.placements.push_back(placement);
    }
    return input;
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
            reading.grahas.points[static_cast<std::size_t>(i)].position);
    }
    input.ascendantSign = reading.ascendant.sign;
    return input;
}

}  // namespace tamovid
