#include "tamovid/report/reading_sheet.h"

#include <cstddef>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/tables.h"
#include "tamovid/report/birth_times.h"
#include "tamovid/version.h"

namespace tamovid {
namespace {

constexpr std::string_view kHeading = "Aprakasha Grahas reading";

std::string ClockText(int hour, int minute) { return TwoDigits(hour) + ':' + TwoDigits(minute); }

}  // namespace

std::string_view ZoneRowLabel(int row) {
    if (row < 0 || row >= static_cast<int>(kTimeZoneCount)) return {};
    return strTimeZones[static_cast<std::size_t>(row)];
}

ReadingSheet MakeReadingSheet(const Reading& reading, std::string_view zoneLabel) {
    const BirthRecord& r = reading.record;
    const BirthUniversalTime ut = UniversalTimeOf(r);

    ReadingSheet sheet;
    sheet.heading = kHeading;
    sheet.title = std::string(TrimBlanks(r.strName));
    if (sheet.title.empty()) sheet.title = kHeading;

    std::string zone(zoneLabel);
    // A place's zone names the clocks' history the offset came from.
    if (!reading.tz.empty()) zone += (zone.empty() ? "" : ", ") + reading.tz;
    zone += zone.empty() ? "" : " ";
    zone += '(' + UtOffsetText(ut.offsetMinutes) + ')';
    sheet.birth = {
        {"Date of birth", DateText(r.intDate, r.intMonth, r.intYear)},
        {"Time of birth", ClockText(r.intHour, r.intMinute) + " local clock time"},
        {"Time zone", zone},
        {"Universal Time",
         ClockText(ut.hour, ut.minute) + " on " + DateText(ut.day, ut.month, ut.year)},
        {"Daylight saving", r.blnDST ? "Yes, one hour ahead" : "No"},
        {"Place", PlaceText(r)},
        {"Coordinates", DegreesMinutesText(r.intLatDeg, r.intLatMin, r.blnSouth ? 'S' : 'N') +
                            ", " +
                            DegreesMinutesText(r.intLonDeg, r.intLonMin, r.blnEast ? 'E' : 'W')},
    };
    sheet.angles = {{"Sun", CompactText(reading.sun)},
                    {"Ascendant", CompactText(reading.ascendant)}};

    const AprakashaResult& g = reading.grahas;
    std::array<std::string, kAprakashaPointCount> positions = PointTexts(g);
    for (std::size_t i = 0; i < sheet.points.size(); ++i) {
        SheetPoint& point = sheet.points[i];
        point.name = g.strAprNames[i];
        point.position = std::move(positions[i]);
        point.lord = g.strAprLords[i];
        point.house = std::to_string(g.intAprHouses[i]);
        point.lines = ResultLines(g, static_cast<AprakashaPoint>(i));
    }
    sheet.program = std::string("Tamovid ") + std::string(kVersion);
    return sheet;
}

std::string PageNumberText(int page, int pages) {
    return "page " + std::to_string(page) + " of " + std::to_string(pages);
}

}  // namespace tamovid
