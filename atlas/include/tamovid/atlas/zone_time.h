#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace tamovid::atlas {

/// A zone's offset from Universal Time at one moment.
struct ZoneOffset {
    int minutes = 0;           ///< local time minus UT, rounded to the minute (half away from zero)
    bool dst = false;          ///< daylight saving in force
    std::string abbreviation;  ///< "IST", "EDT", "+0545", "LMT"

    friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

/// What a local clock time meant in a zone.
struct LocalTimeInZone {
    enum class Kind {
        kUnique,       ///< `offset` is the only reading
        kNonexistent,  ///< clocks went forward over it: `offset` before, `later` after
        kAmbiguous,    ///< clocks went back over it: `offset` the first time, `later` the second
    };
    Kind kind = Kind::kUnique;
    ZoneOffset offset;
    ZoneOffset later;  ///< only for a gap or an overlap

    friend bool operator==(const LocalTimeInZone&, const LocalTimeInZone&) = default;
};

struct ZoneError {
    std::string message;
};

/// Reads the system's time-zone database for a zone and a local clock time: `hour`
/// 0..24 (24 is midnight ending the day), month 1..12. An unknown zone name gives
/// the message "Unknown time zone \"Mars/Olympus\"."; a date that does not exist
/// (31 April) runs on into the next month.
std::variant<ZoneError, LocalTimeInZone> ResolveLocalTime(std::string_view zone, int year, int month,
                                                         int day, int hour, int minute);

/// Whether the system's time-zone database knows the zone.
bool IsKnownZone(std::string_view zone);

}  // namespace tamovid::atlas
