#include <cctype>
#include <chrono>

#include "shifted_time.h"
#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/aprakasha/point_texts.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/grahas/nakshatra.h"
#include "tamovid/positions/ascendant.h"
#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"
#include "tamovid/precise/nine_grahas.h"
#include "tamovid/precise/precise_positions.h"
#include "tamovid/timewindow/time_window.h"

namespace tamovid::timewindow {
namespace {

constexpr int kSignCount = 12;
constexpr double kDegreesPerSign = 30;
constexpr double kMinutesPerDegree = 60;
constexpr std::string_view kAscendantName = "Ascendant";

// A position text, compact ("07 Leo 05") or a point's ("7 Leo 5"), as a longitude in
// degrees: the minutes it shows, so a body's pada is the one its text stands in.
struct TextPlace {
    int sign = 0;
    double longitude = 0;
};

int ReadNumber(std::string_view text, std::size_t& at) {
    while (at < text.size() && text[at] == ' ') ++at;
    int value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0) {
        value = value * 10 + (text[at] - '0');
        ++at;
    }
    return value;
}

TextPlace ReadPlace(std::string_view text) {
    std::size_t at = 0;
    const int degrees = ReadNumber(text, at);
    while (at < text.size() && text[at] == ' ') ++at;
    const int sign = at + 3 <= text.size() ? SignIndex(text.substr(at, 3)) : -1;
    at += 3;
    const int minutes = ReadNumber(text, at);
    const int known = sign < 0 ? 0 : sign;
    return {known, known * kDegreesPerSign + degrees + minutes / kMinutesPerDegree};
}

int SignOf(double longitude) {
    const int sign = static_cast<int>(longitude / kDegreesPerSign);
    return ((sign % kSignCount) + kSignCount) % kSignCount;
}

int HouseFrom(int sign, int ascendantSign) {
    return (sign - ascendantSign + kSignCount) % kSignCount + 1;
}

BodyState StateOf(int sign, double longitude, int ascendantSign) {
    const NakshatraPada pada = NakshatraOf(longitude);
    return {sign, HouseFrom(sign, ascendantSign), pada.index, pada.pada};
}

}  // namespace

std::string_view BodyName(int body) {
    if (body == kAscendantBody) return kAscendantName;
    if (body >= kFirstPointBody && body < kFirstGrahaBody) {
        return kAprNames[static_cast<std::size_t>(body - kFirstPointBody)];
    }
    if (body >= kFirstGrahaBody && body < kBodyCountWithGrahas) {
        return kGrahaNames[static_cast<std::size_t>(body - kFirstGrahaBody)].name;
    }
    return {};
}

WindowChart WindowChartOf(const Reading& reading, bool withGrahas, ChartOptions options) {
    return {reading.record, reading.engine, options, reading.tz, withGrahas};
}

BirthRecord ShiftedRecord(const BirthRecord& record, int shiftMinutes) {
    using namespace std::chrono;
    const local_time<minutes> clock = EnteredClock(record) + minutes{shiftMinutes};
    const local_days day = floor<days>(clock);
    const year_month_day date{day};
    const hh_mm_ss<minutes> time{clock - day};
    BirthRecord shifted = record;
    shifted.intYear = static_cast<std::int16_t>(static_cast<int>(date.year()));
    shifted.intMonth = static_cast<std::int16_t>(static_cast<unsigned>(date.month()));
    shifted.intDate = static_cast<std::int16_t>(static_cast<unsigned>(date.day()));
    shifted.intHour = static_cast<std::int16_t>(time.hours().count());
    shifted.intMinute = static_cast<std::int16_t>(time.minutes().count());
    return shifted;
}

std::vector<BodyState> StatesAt(const WindowChart& chart, int shiftMinutes) {
    const BirthRecord record = ShiftedRecord(chart.record, shiftMinutes);
    std::string sunText;
    std::string ascendantText;
    if (chart.engine == Engine::kPrecise) {
        precise::PrecisePositions positions = precise::CalcPrecisePositions(record, chart.options);
        sunText = std::move(positions.sunText);
        ascendantText = std::move(positions.ascendantText);
    } else {
        const AscendantResult ascendant = CalcAscendant(record);
        PlanetsResult planets = CalcPlanets(record, ascendant);
        sunText = std::move(planets.strPositions[kSunSlot]);
        ascendantText = std::move(planets.strPositions[kAscendantSlot]);
    }
    // The points and their houses exactly as the reading shows them: from the texts.
    const AprakashaResult points = CalcAprakashaGrahas(sunText, ascendantText);
    const TextPlace ascendant = ReadPlace(ascendantText);

    std::vector<BodyState> states;
    states.reserve(chart.withGrahas ? kBodyCountWithGrahas : kFirstGrahaBody);
    states.push_back(StateOf(ascendant.sign, ascendant.longitude, ascendant.sign));
    for (const std::string& text : points.strAprPositions) {
        const TextPlace place = ReadPlace(text);
        states.push_back(StateOf(place.sign, place.longitude, ascendant.sign));
    }
    if (chart.withGrahas) {
        const precise::NineGrahas grahas = chart.engine == Engine::kPrecise
                                               ? precise::CalcPreciseGrahas(record, chart.options)
                                               : precise::CalcClassicGrahas(record, chart.options);
        for (const GrahaPosition& graha : grahas.grahas) {
            states.push_back(StateOf(SignOf(graha.longitude), graha.longitude, ascendant.sign));
        }
    }
    return states;
}

}  // namespace tamovid::timewindow
