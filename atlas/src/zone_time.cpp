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

const date::time_zone* FindZone(std::string_view zone) {
    try {
        return date::locate_zone(zone);
    } catch (const std::exception&) {
        return nullptr;  // unknown name, or no database on this system
    }
}

}  // namespace

std::variant<ZoneError, LocalTimeInZone> ResolveLocalTime(std::string_view zone, int year, int month,
                                                         int day, int hour, int minute) {
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
        case date::local_info::unique: result.kind = LocalTimeInZone::Kind::kUnique; break;
        case date::local_info::nonexistent:
            result.kind = LocalTimeInZone::Kind::kNonexistent;
            result.later = FromInfo(info.second);
            break;
        case date::local_info::ambiguous:
            result.kind = LocalTimeInZone::Kind::kAmbiguous;
            result.later = FromInfo(info.second);
            break;
        }
        return result;
    } catch (const std::exception& e) {
        return ZoneError{"The time zone \"" + std::string(zone) + "\" cannot be read: " + e.what()};
    }
}

bool IsKnownZone(std::string_view zone) { return FindZone(zone) != nullptr; }

}  // namespace tamovid::atlas
