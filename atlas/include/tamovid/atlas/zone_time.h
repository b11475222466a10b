#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "tamovid/atlas/atlas_error.h"
#include "tamovid/base/result.h"

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
    /// For a gap or an overlap: the local clock just before and just after the change,
    /// minutes from midnight ("went forward from 02:00 to 03:00" is 120 and 180).
    int clockBefore = 0;
    int clockAfter = 0;

    friend bool operator==(const LocalTimeInZone&, const LocalTimeInZone&) = default;
};

/// The folder of the system's zone files: $TZDIR when set, else /usr/share/zoneinfo.
std::filesystem::path SystemZoneFolder();

/// Whether a name is written as the database names its own zones: an area and a place
/// ("Asia/Kolkata", "America/Argentina/Salta", "Etc/GMT+5"). Not "localtime",
/// "posixrules", "Factory", nor the copies under "right/" and "posix/".
bool IsZoneName(std::string_view zone);

/// Reads the system's time-zone database for a zone and a local clock time: `hour`
/// 0..24 (24 is midnight ending the day), month 1..12, years 1901..2050 and beyond (the
/// zone file's rule carries on after its last listed change). An unknown zone name
/// gives the message "Unknown time zone \"Mars/Olympus\"."; a zone file that cannot be
/// read, or no database at all, a message naming the zone. A date that does not exist
/// (31 April) runs on into the next month: check dates before asking.
Result<LocalTimeInZone, AtlasError> ResolveLocalTime(std::string_view zone, int year, int month,
                                                    int day, int hour, int minute);
/// The same in the database of another folder.
Result<LocalTimeInZone, AtlasError> ResolveLocalTimeIn(const std::filesystem::path& folder,
                                                      std::string_view zone, int year, int month,
                                                      int day, int hour, int minute);

/// Whether the system's database has the zone and its file can be read; else the message.
Result<void, AtlasError> CheckZone(std::string_view zone);

/// "There was no 02:30 on 23 February 1975 in America/New_York: the clocks went forward
/// from 02:00 to 03:00." for a gap.
std::string NonexistentTimeMessage(std::string_view zone, int year, int month, int day, int hour,
                                   int minute, const LocalTimeInZone& local);

/// "The clock time 01:30 on 26 October 1975 happened twice in America/New_York: first as
/// daylight time (UTC-04:00), then as standard time (UTC-05:00)." for an overlap.
std::string AmbiguousTimeMessage(std::string_view zone, int year, int month, int day, int hour,
                                 int minute, const LocalTimeInZone& local);

/// "UTC+05:30", "UTC-04:00".
std::string UtcText(int offsetMinutes);

/// Whether the system's time-zone database knows the zone and can read it.
bool IsKnownZone(std::string_view zone);

}  // namespace tamovid::atlas
