#pragma once

#include <optional>
#include <string>

namespace tamovid {

struct Reading;

/// The zone a reading turned its clock time into Universal Time with, as a reader is
/// told it: a place's own zone by its history, or the list row and box the user chose.
struct ZoneInUse {
    std::string zone;                ///< the place's zone, "Europe/Berlin"; empty when chosen
    std::string abbreviation;        ///< the zone's own at the birth, "CEST"; empty when unknown
    std::optional<bool> summerTime;  ///< by the zone's history; nothing when unknown
    std::optional<int> row;          ///< the list row the user chose
    bool daylightBox = false;        ///< the daylight-saving box as the user left it
    int offsetMinutes = 0;           ///< local clock time minus UT, as the chart used it
};

/// Looks the place's zone up at the birth, the offset the chart used deciding a clock
/// time that happened twice. A zone the database cannot give, or that never had that
/// offset then, is named with the offset alone.
ZoneInUse ZoneInUseOf(const Reading& reading);

/// "Europe/Berlin, CEST, summer time, UT+02:00" for a place's zone; a chosen row's
/// label with the offset, "Indian Time, IST, 5.3 (UT+05:30)"; an offset alone, "UT+05:45".
std::string ZoneInUseText(const ZoneInUse& zone);

/// Whether the clocks were ahead for summer: the box as chosen ("Yes, one hour ahead",
/// "No"), or the zone's history ("Yes, summer time by the zone's history"), not known
/// when the zone's history had no such offset then or could not be read.
std::string DaylightSavingText(const ZoneInUse& zone);

}  // namespace tamovid
