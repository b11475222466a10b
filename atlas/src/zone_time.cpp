#include "tamovid/atlas/zone_time.h"

#include <date/tz.h>

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

constexpr std::string_view kMonthNames[] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};

std::string Clock(int minutesOfDay) {
    const int h = minutesOfDay / 60;
    const int m = minutesOfDay % 60;
    return std::string{static_cast<char>('0' + h / 10), static_cast<char>('0' + h % 10), ':',
                       static_cast<char>('0' + m / 10), static_cast<char>('0' + m % 10)};
}

std::string DateText(int year, int month, int day) {
    const std::string_view name = month >= 1 && month <= 12 ? kMonthNames[month - 1] : "?";
    return std::to_string(day) + " " + std::string(name) + " " + std::to_string(year);
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

std::variant<ZoneError, LocalTimeInZone> ResolveLocalTime(std::string_view zone, int year,
                                                          int month, int day, int hour,
                                                          int minute) {
    const date::time_zone* tz = FindZone(zone);
    if (tz == nullptr) return ZoneError{"Unknown time zone \"" + std::string(zone) + "\"."};
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
        return ZoneError{"The time zone \"" + std::string(zone) + "\" cannot be read: " + e.what()};
    }
}

std::string UtcText(int offsetMinutes) {
    const int magnitude = std::abs(offsetMinutes);
    return "UTC" + std::string(offsetMinutes < 0 ? "-" : "+") + Clock(magnitude);
}

std::string NonexistentTimeMessage(std::string_view zone, int year, int month, int day, int hour,
                                   int minute, const LocalTimeInZone& local) {
    return "There was no " + Clock(hour * 60 + minute) + " on " + DateText(year, month, day) +
           " in " + std::string(zone) + ": the clocks went forward from " +
           Clock(local.clockBefore) + " to " + Clock(local.clockAfter) + ".";
}

std::string AmbiguousTimeMessage(std::string_view zone, int year, int month, int day, int hour,
                                 int minute, const LocalTimeInZone& local) {
    return "The clock time " + Clock(hour * 60 + minute) + " on " + DateText(year, month, day) +
           " happened twice in " + std::string(zone) + ": first as " + KindOfTime(local.offset) +
           ", then as " + KindOfTime(local.later) + ".";
}

bool IsKnownZone(std::string_view zone) { return FindZone(zone) != nullptr; }

}  // namespace tamovid::atlas
