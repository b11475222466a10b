#include "tamovid/birthentry/calculation.h"

#include <cstdlib>
#include <utility>
#include <variant>

#include "number_text.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"
#include "tamovid/precise/precise_positions.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

void SetIfReadable(std::int16_t& field, std::optional<int> value) {
    if (value) field = static_cast<std::int16_t>(*value);
}

}  // namespace

BirthRecord FillBirthRecord(const BirthEntry& entry, BirthRecord record) {
    record.strName = entry.txtName;
    if (entry.cboMonth >= 0 && entry.cboMonth < static_cast<int>(kMonthNames.size())) {
        record.intMonth = static_cast<std::int16_t>(entry.cboMonth + 1);
    }
    SetIfReadable(record.intDate, DateListValue(entry.cboDate));
    SetIfReadable(record.intYear, YearListValue(entry.cboYear));
    SetIfReadable(record.intHour, HourListValue(entry.cboHour));
    SetIfReadable(record.intMinute, MinuteListValue(entry.cboMinute));
    if (entry.utcOffsetMinutes && std::abs(*entry.utcOffsetMinutes) <= kMaxUtcOffsetMinutes) {
        // The correction is what is added to the clock to get UT; the engines take the
        // box's hour off again, so it is added here to keep the offset exact.
        const int correction = -*entry.utcOffsetMinutes + (entry.chkDST ? 60 : 0);
        record.vntZoneHour = static_cast<std::int16_t>(correction / 60);
        record.vntZoneMinute = static_cast<std::int16_t>(correction % 60);
        record.intZoneHour = static_cast<std::int16_t>(std::abs(record.vntZoneHour));
        record.intZoneMinute = static_cast<std::int16_t>(std::abs(record.vntZoneMinute));
    } else if (entry.cboTimeZone >= 0 && entry.cboTimeZone < static_cast<int>(kTimeZoneCount)) {
        const auto row = static_cast<std::size_t>(entry.cboTimeZone);
        record.intZoneHour = static_cast<std::int16_t>(std::abs(intTZHours[row]));
        record.intZoneMinute = static_cast<std::int16_t>(std::abs(intTZMinutes[row]));
        record.vntZoneHour = intTZHours[row];
        record.vntZoneMinute = intTZMinutes[row];
    }
    SetIfReadable(record.intLonDeg, ParseFormNumber(entry.txtLonDeg));
    SetIfReadable(record.intLonMin, ParseFormNumber(entry.txtLonMin));
    SetIfReadable(record.intLatDeg, ParseFormNumber(entry.txtLatDeg));
    SetIfReadable(record.intLatMin, ParseFormNumber(entry.txtLatMin));
    record.blnEast = entry.optLong == LongitudeOption::kEast;
    record.blnSouth = entry.optLat == LatitudeOption::kSouth;
    record.blnDST = entry.chkDST;
    record.strCity = std::string(TrimBlanks(entry.txtCity));
    record.strState = std::string(TrimBlanks(entry.txtState));
    record.strCountry = std::string(TrimBlanks(entry.txtCountry));
    return record;
}

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

Reading Calculate(Birth birth, Engine engine, ChartOptions options) {
    Reading reading;
    reading.record = RecordOf(birth);
    reading.birth = std::move(birth);
    reading.engine = engine;
    reading.options = options;
    if (engine == Engine::kPrecise) {
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
