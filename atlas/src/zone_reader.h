#pragma once

// Reads zone files for the zone library: only names of the database's areas, only
// regular files of a bounded size, each read once per process.

#include <cctz/time_zone.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "tamovid/atlas/zone_time.h"

namespace tamovid::atlas::detail {

/// The first part of every zone name of the database's own (the rest are old aliases,
/// copies and files that are no zone).
inline constexpr std::array<std::string_view, 11> kZoneAreas = {
    "Africa",    "America", "Antarctica", "Arctic",  "Asia", "Atlantic",
    "Australia", "Europe",  "Indian",     "Pacific", "Etc"};

/// The largest zone file read; the database's biggest is under 4 KiB.
inline constexpr std::size_t kMaxZoneFileBytes = 256 * 1024;

/// A zone from a file's bytes, or nothing when they are not a zone file the library
/// accepts. `key` names the bytes for the library, which keeps every zone it has read
/// under its key for the rest of the process: the same key again gives the first zone.
std::optional<cctz::time_zone> ParseZone(const std::string& key, std::string bytes);

/// The zone `name` of the database in `folder`, read from its file the first time.
/// Unknown or refused names, files that are not regular, too large or damaged, and a
/// folder without a database give a message naming the zone.
Result<cctz::time_zone, AtlasError> LoadZone(const std::filesystem::path& folder,
                                            std::string_view name);

/// A local clock time in a zone already read; `zone` names it in messages.
Result<LocalTimeInZone, AtlasError> ResolveInZone(const cctz::time_zone& tz, std::string_view zone,
                                                 int year, int month, int day, int hour,
                                                 int minute);

}  // namespace tamovid::atlas::detail
