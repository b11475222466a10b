#include "tamovid/report/birth_times.h"

#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/positions/sun.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {

BirthUniversalTime UniversalTimeOf(const BirthRecord& record) {
    // The same moment the engines compute with, so the page and the positions agree.
    return {UniversalDateTime(record), RecordOffsetMinutes(record)};
}

std::string UtOffsetText(int offsetMinutes) { return "UT" + UtcOffsetText(offsetMinutes); }

}  // namespace tamovid
