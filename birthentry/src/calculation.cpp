#include "tamovid/birthentry/calculation.h"

#include <cstdlib>
#include <utility>
#include <variant>

#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"
#include "tamovid/precise/precise_positions.h"

namespace tamovid {

BirthRecord RecordOf(const Birth& birth) {
    BirthRecord record;
    record.strName = birth.name;
    record.intDate = static_cast<std::int16_t>(birth.clock.day);
    record.intMonth = static_cast<std::int16_t>(birth.clock.month);
    record.intYear = static_cast<std::int16_t>(birth.clock.year);
    record.intHour = static_cast<std::int16_t>(birth.clock.hour);
    record.intMinute = static_cast<std::int16_t>(birth.clock.minute);
    const TableZone& shown = birth.ShownZone();
    if (const auto* exact = std::get_if<ExactZone>(&birth.zone)) {
        // The correction is what is added to the clock to get UT; the engines take the
        // box's hour off again, so it is added here to keep the offset exact.
        const int correction = -exact->offsetMinutes + (shown.dst ? 60 : 0);
        record.vntZoneHour = static_cast<std::int16_t>(correction / 60);
        record.vntZoneMinute = static_cast<std::int16_t>(correction % 60);
    } else if (shown.row >= 0 && shown.row < static_cast<int>(kTimeZoneCount)) {
        const auto row = static_cast<std::size_t>(shown.row);
        record.vntZoneHour = intTZHours[row];
        record.vntZoneMinute = intTZMinutes[row];
    }
    record.intZoneHour = static_cast<std::int16_t>(std::abs(record.vntZoneHour));
    record.intZoneMinute = static_cast<std::int16_t>(std::abs(record.vntZoneMinute));
    const BirthCoordinates& c = birth.coordinates;
    record.intLonDeg = static_cast<std::int16_t>(c.lonDeg);
    record.intLonMin = static_cast<std::int16_t>(c.lonMin);
    record.intLatDeg = static_cast<std::int16_t>(c.latDeg);
    record.intLatMin = static_cast<std::int16_t>(c.latMin);
    record.blnEast = c.east;
    record.blnSouth = c.south;
    record.blnDST = shown.dst;
    record.strCity = birth.city;
    record.strState = birth.state;
    record.strCountry = birth.country;
    return record;
}

Reading Calculate(Birth birth, ChartOptions options) {
    Reading reading;
    reading.record = RecordOf(birth);
    reading.birth = std::move(birth);
    reading.options = options;
    if (options.engine == Engine::kPrecise) {
        const precise::PrecisePositions positions =
            precise::CalcPrecisePositions(reading.record, options);
        reading.sun = positions.sun;
        reading.ascendant = positions.ascendant;
    } else {
        const AscendantResult ascendant = CalcAscendant(reading.record);
        const PlanetsResult planets = CalcPlanets(reading.record, ascendant);
        reading.sun = planets.sun;
        reading.ascendant = planets.ascendant;
    }
    reading.grahas = CalcAprakashaGrahas(reading.sun, reading.ascendant);
    return reading;
}

}  // namespace tamovid
