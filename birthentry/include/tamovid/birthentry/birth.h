#pragma once

#include <optional>
#include <string>
#include <variant>

#include "tamovid/positions/civil_date_time.h"

namespace tamovid {

/// A row of the program's zone table with the daylight-saving box: the row's
/// correction, less an hour while the box is ticked.
struct TableZone {
    int row = 0;  ///< 0..kTimeZoneCount-1
    bool dst = false;

    friend bool operator==(const TableZone&, const TableZone&) = default;
};

/// A place's exact offset from Universal Time that no row gives. The row and box shown
/// beside it stay with the chart: a chart file keeps them in its seventeen lines for
/// readers that take no more.
struct ExactZone {
    int offsetMinutes = 0;  ///< local minus UT, daylight hour included
    TableZone shown;

    friend bool operator==(const ExactZone&, const ExactZone&) = default;
};

using BirthZone = std::variant<TableZone, ExactZone>;

/// The row and box a zone shows, whichever kind it is.
inline const TableZone& ShownZone(const BirthZone& zone) {
    if (const auto* exact = std::get_if<ExactZone>(&zone)) return exact->shown;
    return std::get<TableZone>(zone);
}

/// Degrees and minutes of arc with the direction, as a birth place is given.
struct BirthCoordinates {
    int latDeg = 0;  ///< 0..90
    int latMin = 0;  ///< 0..59
    bool south = false;
    int lonDeg = 0;  ///< 0..180
    int lonMin = 0;  ///< 0..59
    bool east = false;

    friend bool operator==(const BirthCoordinates&, const BirthCoordinates&) = default;
};

/// One birth, typed: what the form, the command line and a chart file each make once
/// and every engine reads. Text is UTF-8.
struct Birth {
    std::string name;    ///< as typed, blanks kept
    CivilDateTime clock;  ///< the local date and clock time; hour 24 is the midnight ending the day
    BirthCoordinates coordinates;
    BirthZone zone;
    /// The place's IANA zone ("Asia/Kathmandu"), empty when the zone was typed.
    std::string zoneName;
    std::string city;     ///< trimmed
    std::string state;    ///< trimmed
    std::string country;  ///< trimmed

    /// The zone table's row the offset comes from; nothing for an exact offset.
    std::optional<int> TableRow() const {
        if (const auto* table = std::get_if<TableZone>(&zone)) return table->row;
        return std::nullopt;
    }
    /// The row and box the chart shows, whichever zone it has.
    const TableZone& ShownZone() const { return tamovid::ShownZone(zone); }

    friend bool operator==(const Birth&, const Birth&) = default;
};

/// A birth with nothing in it, whose zone (the row without correction) is what a chart
/// that names none uses: what an opened chart and a new session start from.
Birth BlankBirth();

}  // namespace tamovid
