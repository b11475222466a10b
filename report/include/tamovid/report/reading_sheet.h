#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/aprakasha/aprakasha.h"

namespace tamovid {

struct Reading;

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

/// Every text of a printed reading, in reading order; the page layout only places them.
struct ReadingSheet {
    std::string title;    ///< the name, or the heading alone when there is none
    std::string heading;  ///< "Aprakasha Grahas reading"
    std::vector<SheetFact> birth;
    std::vector<SheetFact> angles;  ///< the Sun and the Ascendant
    std::array<SheetPoint, kAprakashaPointCount> points;
    std::string program;  ///< "Tamovid 1.15"
};

/// The sheet of a reading. zoneLabel is the zone as the user chose it.
ReadingSheet MakeReadingSheet(const Reading& reading, std::string_view zoneLabel);

/// The time-zone row's label, or "" for a row outside the table.
std::string_view ZoneRowLabel(int row);

/// "page 2 of 3".
std::string PageNumberText(int page, int pages);

}  // namespace tamovid
