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
#include "tamovid/upagrahas/upagrahas.h"

namespace tamovid::timewindow {
namespace {

constexpr int kSignCount = 12;
constexpr double kMinutesPerDegree = 60;
constexpr std::string_view kAscendantName = "Ascendant";

// The longitude of the whole minutes a reading shows, so that a pada is read from the
// same figures as the sign and the house.
double ShownLongitude(const ZodiacPosition& position) {
    return ArcMinutes(position) / kMinutesPerDegree;
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
    if (body >= kFirstUpagrahaBody && body < kBodyCountWithUpagrahas) {
        return upagrahas::kUpagrahaNames[static_cast<std::size_t>(body - kFirstUpagrahaBody)].name;
    }
    return {};
}

WindowChart WindowChartOf(const Reading& reading, bool withGrahas) {
    return {reading.record, reading.options, reading.birth.zoneName, withGrahas};
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
    ZodiacPosition sun;
    ZodiacPosition ascendant;
    if (chart.options.engine == Engine::kPrecise) {
        const precise::PrecisePositions positions =
            precise::CalcPrecisePositions(record, chart.options);
        sun = positions.sun;
        ascendant = positions.ascendant;
    } else {
        const AscendantResult classic = CalcAscendant(record);
        const PlanetsResult planets = CalcPlanets(record, classic);
        sun = planets.sun;
        ascendant = planets.ascendant;
    }
    // The points and their houses exactly as the reading shows them.
    const AprakashaResult points = CalcAprakashaGrahas(sun, ascendant);

    std::vector<BodyState> states;
    states.reserve(chart.withGrahas ? kBodyCountWithGrahas : kFirstGrahaBody);
    states.push_back(StateOf(ascendant.sign, ShownLongitude(ascendant), ascendant.sign));
    for (const AprakashaGraha& point : points.points) {
        const ZodiacPosition& place = point.position;
        states.push_back(StateOf(place.sign, ShownLongitude(place), ascendant.sign));
    }
    if (chart.withGrahas) {
        const precise::NineGrahas grahas = chart.options.engine == Engine::kPrecise
                                               ? precise::CalcPreciseGrahas(record, chart.options)
                                               : precise::CalcClassicGrahas(record, chart.options);
        for (const GrahaPosition& graha : grahas.grahas) {
            states.push_back(StateOf(PositionAt(graha.longitude).sign, graha.longitude, ascendant.sign));
        }
    }
    if (chart.upagrahas) {
        const auto six = upagrahas::CalcUpagrahas(
            upagrahas::ChartOf(record, chart.options, ascendant.longitude),
            *chart.upagrahas);
        for (std::size_t i = 0; i < upagrahas::kUpagrahaCount; ++i) {
            if (!six.ok()) {
                states.push_back(kNoPlace);
                continue;
            }
            const upagrahas::UpagrahaPlace& place = six.value().places[i];
            states.push_back(StateOf(place.position.sign, place.longitude, ascendant.sign));
        }
    }
    return states;
}

}  // namespace tamovid::timewindow
