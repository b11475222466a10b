#include "tamovid/atlas/zone_time.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

#include "tamovid/base/digits.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/utc_offset.h"
#include "zone_reader.h"

#include <algorithm>
#include <cstdlib>

namespace tamovid::atlas {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr std::string_view kDefaultZoneFolder = "/usr/share/zoneinfo";
/// Longer than any name of the database ("America/Argentina/ComodRivadavia" is 32).
constexpr std::size_t kMaxZoneNameLength = 64;
/// Area, place and at most one level between ("America/Indiana/Indianapolis").
constexpr int kMaxZoneNameParts = 3;

/// Seconds to whole minutes, half a minute away from zero (Madras time, +5:21:10, is +5:21).
int RoundedMinutes(long long s) {
    const long long magnitude = (std::llabs(s) + kSecondsPerMinute / 2) / kSecondsPerMinute;
    return static_cast<int>(s < 0 ? -magnitude : magnitude);
}

ZoneOffset FromLookup(const cctz::time_zone::absolute_lookup& info) {
    return {RoundedMinutes(info.offset), info.is_dst, info.abbr == nullptr ? "" : info.abbr};
}

constexpr int kMinutesPerHour = 60;

int ClockMinutes(const cctz::civil_second& clock) {
    return clock.hour() * kMinutesPerHour + clock.minute();
}

bool IsNamePart(std::string_view part) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    auto allowed = [&](char c) {
        return letter(c) || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '+';
    };
    return !part.empty() && letter(part[0]) && std::all_of(part.begin(), part.end(), allowed);
}

std::string Clock(int minutesOfDay) {
    return TwoDigits(minutesOfDay / kMinutesPerHour) + ':' +
           TwoDigits(minutesOfDay % kMinutesPerHour);
}

std::string KindOfTime(const ZoneOffset& offset) {
    return (offset.dst ? "daylight time (" : "standard time (") + UtcText(offset.minutes) + ")";
}

bool InRange(const ZoneOffset& offset) { return std::abs(offset.minutes) <= kMaxUtcOffsetMinutes; }

/// The zone folder, found once: every chart of a batch asks for it.
const std::filesystem::path& ZoneFolder() {
    static const std::filesystem::path folder = [] {
        const char* tzdir = std::getenv("TZDIR");
        if (tzdir == nullptr || *tzdir == '\0') return std::filesystem::path(kDefaultZoneFolder);
        std::error_code error;
        std::filesystem::path absolute = std::filesystem::absolute(tzdir, error);
        return error ? std::filesystem::path(tzdir) : absolute;
    }();
    return folder;
}

}  // namespace

std::filesystem::path SystemZoneFolder() { return ZoneFolder(); }

bool IsZoneName(std::string_view zone) {
    if (zone.empty() || zone.size() > kMaxZoneNameLength) return false;
    int parts = 0;
    std::size_t start = 0;
    while (start <= zone.size()) {
        const std::size_t slash = std::min(zone.find('/', start), zone.size());
        const std::string_view part = zone.substr(start, slash - start);
        if (!IsNamePart(part) || ++parts > kMaxZoneNameParts) return false;
        if (parts == 1 && std::find(detail::kZoneAreas.begin(), detail::kZoneAreas.end(), part) ==
                              detail::kZoneAreas.end()) {
            return false;
        }
        start = slash + 1;
    }
    return parts >= 2;
}

Result<LocalTimeInZone, AtlasError> detail::ResolveInZone(const cctz::time_zone& tz,
                                                         std::string_view zone, int year, int month,
                                                         int day, int hour, int minute) {
    // Out-of-range fields carry over: 31 April is 1 May, hour 24 the next day's 00.
    const cctz::civil_second clock(year, month, day, hour, minute, 0);
    const cctz::time_zone::civil_lookup found = tz.lookup(clock);
    LocalTimeInZone result;
    if (found.kind == cctz::time_zone::civil_lookup::UNIQUE) {
        result.offset = FromLookup(tz.lookup(found.pre));
    } else {
        result.kind = found.kind == cctz::time_zone::civil_lookup::SKIPPED
                          ? LocalTimeInZone::Kind::kNonexistent
                          : LocalTimeInZone::Kind::kAmbiguous;
        // The change itself is never the earliest moment there is, but a damaged file
        // must not make it one to step back from.
        const auto earliest = cctz::time_point<cctz::seconds>::min();
        const auto before =
            tz.lookup(found.trans == earliest ? earliest : found.trans - cctz::seconds(1));
        const auto after = tz.lookup(found.trans);
        result.offset = FromLookup(before);
        result.later = FromLookup(after);
        result.clockBefore = ClockMinutes(before.cs + 1);
        result.clockAfter = ClockMinutes(after.cs);
    }
    if (!InRange(result.offset) || !InRange(result.later)) {
        return Failure{AtlasError{"The time zone \"" + std::string(zone) +
                                 "\" cannot be read: its file is damaged (an offset of more "
                                 "than 15:59 from UT).",
                                 true}};
    }
    return result;
}

Result<LocalTimeInZone, AtlasError> ResolveLocalTimeIn(const std::filesystem::path& folder,
                                                      std::string_view zone, int year, int month,
                                                      int day, int hour, int minute) {
    const Result<cctz::time_zone, AtlasError> loaded = detail::LoadZone(folder, zone);
    if (!loaded.ok()) return Failure{loaded.error()};
    return detail::ResolveInZone(loaded.value(), zone, year, month, day, hour, minute);
}

Result<LocalTimeInZone, AtlasError> ResolveLocalTime(std::string_view zone, int year, int month,
                                                    int day, int hour, int minute) {
    return ResolveLocalTimeIn(ZoneFolder(), zone, year, month, day, hour, minute);
}

Result<void, AtlasError> CheckZone(std::string_view zone) {
    const Result<cctz::time_zone, AtlasError> loaded = detail::LoadZone(ZoneFolder(), zone);
    if (!loaded.ok()) return Failure{loaded.error()};
    return {};
}

std::string UtcText(int offsetMinutes) { return "UTC" + UtcOffsetText(offsetMinutes); }

std::string NonexistentTimeMessage(std::string_view zone, int year, int month, int day, int hour,
                                   int minute, const LocalTimeInZone& local) {
    // A jump of a whole day (Samoa across the date line, 30 December 2011) skipped the date
    // itself: the clock read the same before and after.
    constexpr int kMinutesPerDay = 24 * kMinutesPerHour;
    if (local.later.minutes - local.offset.minutes >= kMinutesPerDay) {
        return "There was no " + DateText(day, month, year) + " in " + std::string(zone) +
               ": the clocks went forward a whole day.";
    }
    return "There was no " + Clock(hour * 60 + minute) + " on " + DateText(day, month, year) +
           " in " + std::string(zone) + ": the clocks went forward from " +
           Clock(local.clockBefore) + " to " + Clock(local.clockAfter) + ".";
}

std::string AmbiguousTimeMessage(std::string_view zone, int year, int month, int day, int hour,
                                 int minute, const LocalTimeInZone& local) {
    return "The clock time " + Clock(hour * 60 + minute) + " on " + DateText(day, month, year) +
           " happened twice in " + std::string(zone) + ": first as " + KindOfTime(local.offset) +
           ", then as " + KindOfTime(local.later) + ".";
}

bool IsKnownZone(std::string_view zone) { return CheckZone(zone).ok(); }

}  // namespace tamovid::atlas
