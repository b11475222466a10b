#include "tamovid/report/birth_times.h"

#include <chrono>
#include <cstdlib>

namespace tamovid {
namespace {

constexpr int kMinutesPerHour = 60;

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

BirthUniversalTime UniversalTimeOf(const BirthRecord& record) {
    using namespace std::chrono;
    int correction = record.vntZoneHour * kMinutesPerHour + record.vntZoneMinute;
    if (record.blnDST) correction -= kMinutesPerHour;

    const sys_days localDay{year{record.intYear} / month{static_cast<unsigned>(record.intMonth)} /
                            day{static_cast<unsigned>(record.intDate)}};
    const sys_time<minutes> ut =
        localDay + hours{record.intHour} + minutes{record.intMinute} + minutes{correction};
    const sys_days utDay = floor<days>(ut);
    const year_month_day date{utDay};
    const hh_mm_ss<minutes> clock{ut - utDay};

    BirthUniversalTime result;
    result.offsetMinutes = -correction;
    result.year = static_cast<int>(date.year());
    result.month = static_cast<int>(static_cast<unsigned>(date.month()));
    result.day = static_cast<int>(static_cast<unsigned>(date.day()));
    result.hour = static_cast<int>(clock.hours().count());
    result.minute = static_cast<int>(clock.minutes().count());
    return result;
}

std::string UtOffsetText(int offsetMinutes) {
    const int size = std::abs(offsetMinutes);
    return std::string("UT") + (offsetMinutes < 0 ? '-' : '+') + TwoDigits(size / kMinutesPerHour) + ':' +
           TwoDigits(size % kMinutesPerHour);
}

}  // namespace tamovid
