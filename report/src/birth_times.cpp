#include "tamovid/report/birth_times.h"

#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/sun.h"

#include <cstdlib>

namespace tamovid {
namespace {

constexpr int kMinutesPerHour = 60;

}  // namespace

BirthUniversalTime UniversalTimeOf(const BirthRecord& record) {
    // The same moment the engines compute with, so the page and the positions agree.
    const CivilDateTime ut = UniversalDateTime(record);
    return {RecordOffsetMinutes(record), ut.year, ut.month, ut.day, ut.hour, ut.minute};
}

std::string UtOffsetText(int offsetMinutes) {
    const int size = std::abs(offsetMinutes);
    return std::string("UT") + (offsetMinutes < 0 ? '-' : '+') + TwoDigits(size / kMinutesPerHour) +
           ':' + TwoDigits(size % kMinutesPerHour);
}

}  // namespace tamovid
