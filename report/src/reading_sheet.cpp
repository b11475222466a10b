#include "tamovid/report/reading_sheet.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

#include "tamovid/base/digits.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/birthentry/graha_table.h"
#include "tamovid/birthentry/zone_in_use.h"
#include "tamovid/chartlayout/chart_layout.h"
#include "tamovid/fullreading/dasha_texts.h"
#include "tamovid/fullreading/full_reading.h"
#include "tamovid/fullreading/reading_texts.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/tables.h"
#include "tamovid/report/birth_times.h"
#include "tamovid/timewindow/window_text.h"
#include "tamovid/version.h"

namespace tamovid {
namespace {

constexpr std::string_view kHeading = "Aprakasha Grahas reading";

std::string ClockText(int hour, int minute) { return TwoDigits(hour) + ':' + TwoDigits(minute); }

SheetGrahaRow SheetRowOf(const GrahaRow& row) {
    return {std::string(row.name), std::string(kSignNames[static_cast<std::size_t>(row.position.sign)]),
            std::to_string(row.position.degrees) + "\u00B0" + TwoDigits(row.position.minutes) + "'",
            std::string(row.nakshatra.name), std::to_string(row.nakshatra.pada),
            std::to_string(row.house), row.retrograde ? "R" : ""};
}

}  // namespace

std::string_view ZoneRowLabel(int row) {
    if (row < 0 || row >= static_cast<int>(kTimeZoneCount)) return {};
    return strTimeZones[static_cast<std::size_t>(row)];
}

SheetGrahas MakeSheetGrahas(const GrahaTable& table) {
    SheetGrahas sheet;
    for (const GrahaRow& row : table.rows) sheet.rows.push_back(SheetRowOf(row));
    std::array<char, 32> ayanamsa{};
    std::snprintf(ayanamsa.data(), ayanamsa.size(), "%.4f", table.ayanamsa);
    sheet.source = "Engine " + std::string(EngineName(table.options.engine)) + ", ayanamsa " +
                   std::string(table.ayanamsaName) + " (" + ayanamsa.data() + "\u00B0), " +
                   std::string(LunarNodeKey(table.options.node)) + " node, ephemeris " +
                   std::string(precise::EphemerisKey(table.ephemeris));
    for (std::size_t p = 0; p < table.notes.size(); ++p) {
        const std::string_view name = table.Point(p).name;
        std::string mates = SignMatesText(name, table.notes[p]);
        if (!mates.empty()) sheet.signMates.push_back({std::string(name), std::move(mates)});
    }
    return sheet;
}

SheetTimeWindow MakeSheetTimeWindow(const timewindow::TimeWindow& window) {
    SheetTimeWindow sheet;
    for (const timewindow::BodyWindow& body : window.bodies) {
        sheet.rows.push_back({std::string(timewindow::BodyName(body.body)),
                              SpanText(body.sign, window.birth), SpanText(body.house, window.birth),
                              SpanText(body.pada, window.birth)});
    }
    sheet.nearestHouseChange = timewindow::HouseShiftSentence(window);
    return sheet;
}

SheetDasha MakeSheetDasha(const Reading& reading, const Vimshottari& dasha, double nowJulianDate) {
    const DashaLines lines = DashaLinesOf(reading, dasha, nowJulianDate);
    const auto row = [](const DashaLine& line, std::string_view mark) {
        return SheetDashaRow{line.lord + std::string(mark), line.start, line.end, line.age};
    };
    SheetDasha sheet;
    sheet.balance = BalanceText(dasha);
    sheet.note = "Vimshottari, in " + DashaYearText(dasha.year) +
                 "; dates in the birth place's clock time.";
    // Today's periods when they fall within the nine; otherwise those of the birth.
    const std::size_t first = lines.running ? static_cast<std::size_t>(lines.running->maha) : 0;
    const std::string_view runs = lines.running ? ", running today" : ", running at birth";
    for (std::size_t m = 0; m < kDashaLordCount; ++m) {
        const bool running = lines.running && m == first;
        sheet.maha.push_back(row(lines.maha[m], running ? " (running today)" : ""));
    }
    for (std::size_t m = first; m < std::min(first + 2, kDashaLordCount); ++m) {
        SheetSubPeriods subs{"Sub periods of " + lines.maha[m].lord +
                                 std::string(m == first ? runs : ", next"),
                             {}};
        for (std::size_t s = 0; s < kDashaLordCount; ++s) {
            const bool running = lines.running && m == first &&
                                 static_cast<std::size_t>(lines.running->sub) == s;
            subs.rows.push_back(row(lines.sub[m][s], running ? " (running today)" : ""));
        }
        sheet.subs.push_back(std::move(subs));
    }
    return sheet;
}

SheetUpagrahas MakeSheetUpagrahas(const Reading& reading, const ReadingUpagrahas& six) {
    SheetUpagrahas sheet;
    sheet.dayLine = UpagrahaDayText(reading, six);
    if (!six.placed.ok()) return sheet;
    for (const upagrahas::UpagrahaPlace& place : six.placed.value().places) {
        sheet.rows.push_back(SheetRowOf(UpagrahaRow(place)));
        SheetPoint& point = sheet.points.emplace_back();
        point.name = upagrahas::UpagrahaNameOf(place.upagraha);
        point.position = CompactText(place.position);
        point.lord = GrahaNameOf(place.lord);
        point.house = std::to_string(place.house);
        point.lines = UpagrahaLines(reading, six.placed.value(), place.upagraha);
    }
    return sheet;
}

ReadingSheet MakeReadingSheet(const Reading& reading, std::string_view zoneLabel,
                              const GrahaTable* grahas, const timewindow::TimeWindow* timeWindow,
                              const Vimshottari* dasha, double nowJulianDate,
                              const ReadingUpagrahas* upagrahas) {
    const BirthRecord& r = reading.record;
    const BirthUniversalTime ut = UniversalTimeOf(r);

    ReadingSheet sheet;
    sheet.heading = kHeading;
    sheet.title = std::string(TrimBlanks(r.strName));
    if (sheet.title.empty()) sheet.title = kHeading;

    // A place's zone is named by its own history at the birth; the list row and the
    // box only when the user chose them.
    const ZoneInUse used = ZoneInUseOf(reading);
    std::string zone;
    if (used.zone.empty()) {
        zone = std::string(zoneLabel) + (zoneLabel.empty() ? "" : " ") + '(' +
               UtOffsetText(ut.offsetMinutes) + ')';
    } else {
        zone = ZoneInUseText(used);
    }
    sheet.birth = {
        {"Date of birth", DateText(r.intDate, r.intMonth, r.intYear)},
        {"Time of birth", ClockText(r.intHour, r.intMinute) + " local clock time"},
        {"Time zone", zone},
        {"Universal Time",
         ClockText(ut.hour, ut.minute) + " on " + DateText(ut.day, ut.month, ut.year)},
        {"Daylight saving", DaylightSavingText(used)},
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
        point.name = g.points[i].name;
        point.position = std::move(positions[i]);
        point.lord = g.points[i].lord;
        point.house = std::to_string(g.points[i].house);
        point.lines = ResultLines(g, static_cast<AprakashaPoint>(i));
    }
    if (grahas != nullptr) sheet.grahas = MakeSheetGrahas(*grahas);
    if (timeWindow != nullptr) sheet.timeWindow = MakeSheetTimeWindow(*timeWindow);
    if (dasha != nullptr) sheet.dasha = MakeSheetDasha(reading, *dasha, nowJulianDate);
    if (upagrahas != nullptr) sheet.upagrahas = MakeSheetUpagrahas(reading, *upagrahas);
    sheet.program = std::string("Tamovid ") + std::string(kVersion);
    return sheet;
}

std::string PageNumberText(int page, int pages) {
    return "page " + std::to_string(page) + " of " + std::to_string(pages);
}

}  // namespace tamovid
