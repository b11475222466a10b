#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/aprakasha/aprakasha.h"

namespace tamovid {

struct Reading;
struct GrahaTable;
struct Vimshottari;
struct ReadingUpagrahas;
namespace timewindow {
struct TimeWindow;
}

/// One labelled value: "Date of birth", "15 August 1947".
struct SheetFact {
    std::string label;
    std::string value;
};

/// One of the five points: its row of the table and its five lines from the result tab.
struct SheetPoint {
    std::string name;
    std::string position;
    std::string lord;
    std::string house;
    std::array<std::string, 5> lines;
};

/// The cells of one row of the graha table: name, sign, degrees and minutes, nakshatra,
/// pada, house, "R" for a retrograde graha.
using SheetGrahaRow = std::array<std::string, 7>;

/// The Ascendant, the nine grahas and the five points, and what they were computed with.
struct SheetGrahas {
    std::vector<SheetGrahaRow> rows;
    std::string
        source;  ///< "Engine precise, ayanamsa Lahiri (23.1234°), mean node, ephemeris files"
    /// For each point with grahas in its sign: the grahas and their distance, and the
    /// affliction sentence where there is one.
    std::vector<SheetFact> signMates;
};

/// One row of the birth-time window: the body, then its sign, house and pada spans.
using SheetWindowRow = std::array<std::string, 4>;

struct SheetTimeWindow {
    std::vector<SheetWindowRow> rows;
    std::string nearestHouseChange;  ///< the headline sentence
};

/// One period of the dasha: lord, start and end in the birth place's clock time, age.
using SheetDashaRow = std::array<std::string, 4>;

/// The sub periods of one maha period, under a caption that says which and why.
struct SheetSubPeriods {
    std::string caption;  ///< "Sub periods of Mercury, running today"
    std::vector<SheetDashaRow> rows;
};

struct SheetDasha {
    std::string balance;  ///< "Saturn: 18 years 0 months 27 days left at birth"
    std::string note;     ///< the year counted in, and the clock the dates are in
    std::vector<SheetDashaRow> maha;
    /// The running maha period's and the next one's; the first two when none runs.
    std::vector<SheetSubPeriods> subs;
};

/// The six time-based upagrahas: the day they are counted in, their table and their
/// lines; only the day line (the reason) where the Sun gave no day.
struct SheetUpagrahas {
    std::string dayLine;
    std::vector<SheetGrahaRow> rows;
    std::vector<SheetPoint> points;  ///< lines: position, where it rises, description, house, reading
};

/// Every text of a printed reading, in reading order; the page layout only places them.
struct ReadingSheet {
    std::string title;    ///< the name, or the heading alone when there is none
    std::string heading;  ///< "Aprakasha Grahas reading"
    std::vector<SheetFact> birth;
    std::vector<SheetFact> angles;  ///< the Sun and the Ascendant
    std::array<SheetPoint, kAprakashaPointCount> points;
    std::optional<SheetGrahas> grahas;          ///< when the reading is printed with them
    std::optional<SheetTimeWindow> timeWindow;  ///< likewise
    std::optional<SheetDasha> dasha;            ///< likewise
    std::optional<SheetUpagrahas> upagrahas;    ///< likewise
    std::string program;                        ///< "Tamovid 1.15"
};

/// The sheet of a reading. zoneLabel is the zone list's row as the user chose it, shown
/// only when the reading has no place's zone; the graha table
/// and the birth-time window are printed when given.
ReadingSheet MakeReadingSheet(const Reading& reading, std::string_view zoneLabel,
                              const GrahaTable* grahas = nullptr,
                              const timewindow::TimeWindow* timeWindow = nullptr,
                              const Vimshottari* dasha = nullptr, double nowJulianDate = 0,
                              const ReadingUpagrahas* upagrahas = nullptr);

/// The sheet's texts of a graha table and of a birth-time window.
SheetGrahas MakeSheetGrahas(const GrahaTable& table);
SheetTimeWindow MakeSheetTimeWindow(const timewindow::TimeWindow& window);
/// The sheet's texts of a dasha, its running periods those at `nowJulianDate` (UT).
SheetDasha MakeSheetDasha(const Reading& reading, const Vimshottari& dasha, double nowJulianDate);
SheetUpagrahas MakeSheetUpagrahas(const Reading& reading, const ReadingUpagrahas& six);

/// The time-zone row's label, or "" for a row outside the table.
std::string_view ZoneRowLabel(int row);

/// "page 2 of 3".
std::string PageNumberText(int page, int pages);

}  // namespace tamovid
