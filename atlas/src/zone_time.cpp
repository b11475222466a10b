#include "tamovid/atlas/zone_time.h"

#include <date/tz.h>

#include "tamovid/positions/record_text.h"
#include "tamovid/positions/utc_offset.h"

#include <cstdlib>
#include <exception>

namespace tamovid::atlas {
namespace {

constexpr int kSecondsPerMinute = 60;

/// Seconds to whole minutes, half a minute away from zero (Madras time, +5:21:10, is +5:21).
int RoundedMinutes(std::chrono::seconds offset) {
    const long long s = offset.count();
    const long long magnitude = (std::llabs(s) + kSecondsPerMinute / 2) / kSecondsPerMinute;
    return static_cast<int>(s < 0 ? -magnitude : magnitude);
}

ZoneOffset FromInfo(const date::sys_info& info) {
    return {RoundedMinutes(info.offset), info.save != std::chrono::minutes{0}, info.abbrev};
}

/// Minutes from midnight of the local clock at a moment, for an offset.
int ClockMinutes(date::sys_seconds moment, std::chrono::seconds offset) {
    const auto local = moment + offset;
    const auto sinceMidnight = local - date::floor<date::days>(local);
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::minutes>(sinceMidnight).count());
}

void SetClockChange(const date::local_info& info, LocalTimeInZone& result) {
    const date::sys_seconds change = info.second.begin;
    result.clockBefore = ClockMinutes(change, info.first.offset);
    result.clockAfter = ClockMinutes(change, info.second.offset);
}

constexpr int kMinutesPerHour = 60;

std::string Clock(int minutesOfDay) {
    return TwoDigits(minutesOfDay / kMinutesPerHour) + ':' +
           TwoDigits(minutesOfDay % kMinutesPerHour);
}

std::string KindOfTime(const ZoneOffset& offset) {
    return (offset.dst ? "daylight time (" : "standard time (") + UtcText(offset.minutes) + ")";
}

const date::time_zone* FindZone(std::string_view zone) {
    try {
        return date::locate_zone(zone);
    } catch (const std::exception&) {
        return nullptr;  // unknown name, or no database on this system
    }
}

}  // namespace

Result<LocalTimeInZone, ZoneError> ResolveLocalTime(std::string_view zone, int year, int month,
                                                    int day, int hour, int minute) {
    const date::time_zone* tz = FindZone(zone);
    if (tz == nullptr)
        return Failure{ZoneError{"Unknown time zone \"" + std::string(zone) + "\"."}};
    using namespace std::chrono;
    const date::local_days firstOfMonth{date::year{year} / date::month{1} / 1};
    const date::local_days civil =
        date::local_days{date::year_month_day{firstOfMonth} + date::months{month - 1}} +
        date::days{day - 1};
    const date::local_seconds clock = civil + hours{hour} + minutes{minute};
    try {
        const date::local_info info = tz->get_info(clock);
        LocalTimeInZone result;
        result.offset = FromInfo(info.first);
        switch (info.result) {
            case date::local_info::unique:
                result.kind = LocalTimeInZone::Kind::kUnique;
                break;
            case date::local_info::nonexistent:
                result.kind = LocalTimeInZone::Kind::kNonexistent;
                result.later = FromInfo(info.second);
                SetClockChange(info, result);
                break;
            case date::local_info::ambiguous:
                result.kind = LocalTimeInZone::Kind::kAmbiguous;
                result.later = FromInfo(info.second);
                SetClockChange(info, result);
                break;
        }
        return result;
    } catch (const std::exception& e) {
        return Failure{
            ZoneError{"The time zone \"" + std::string(zone) + "\" cannot be read: " + e.what()}};
    }
}

std::string UtcText(int offsetMinutes) { return "UTC" + UtcOffsetText(offsetMinutes); }

std::string NonexistentTimeMessage(std::string_view zone, int year, int month, int day, int hour,
                                   int minute, const LocalTimeInZone& local) {
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

bool IsKnownZone(std::string_view zone) { return FindZone(zone) != nullptr; }

}  // namespace tamovid::atlas
