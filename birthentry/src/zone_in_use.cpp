#include "tamovid/birthentry/zone_in_use.h"

#include "tamovid/atlas/zone_time.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/positions/tables.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

std::string UtText(int offsetMinutes) { return "UT" + UtcOffsetText(offsetMinutes); }

/// Of the zone's readings of the clock time, the one at the chart's offset.
const atlas::ZoneOffset* OffsetUsed(const atlas::LocalTimeInZone& local, int offsetMinutes) {
    if (local.offset.minutes == offsetMinutes) return &local.offset;
    if (local.kind != atlas::LocalTimeInZone::Kind::kUnique && local.later.minutes == offsetMinutes)
        return &local.later;
    return nullptr;
}

}  // namespace

ZoneInUse ZoneInUseOf(const Reading& reading) {
    const BirthRecord& r = reading.record;
    ZoneInUse used;
    used.offsetMinutes = RecordOffsetMinutes(r);
    if (reading.birth.zoneName.empty()) {
        used.row = reading.birth.TableRow();
        used.daylightBox = r.blnDST;
        return used;
    }
    used.zone = reading.birth.zoneName;
    const auto local =
        atlas::ResolveLocalTime(reading.birth.zoneName, r.intYear, r.intMonth, r.intDate, r.intHour, r.intMinute);
    if (!local.ok()) return used;
    if (const atlas::ZoneOffset* offset = OffsetUsed(local.value(), used.offsetMinutes)) {
        used.abbreviation = offset->abbreviation;
        used.summerTime = offset->dst;
    }
    return used;
}

std::string ZoneInUseText(const ZoneInUse& zone) {
    const std::string ut = UtText(zone.offsetMinutes);
    if (zone.zone.empty()) {
        if (!zone.row) return ut;
        return std::string(strTimeZones[static_cast<std::size_t>(*zone.row)]) + " (" + ut + ')';
    }
    std::string text = zone.zone;
    if (!zone.abbreviation.empty()) text += ", " + zone.abbreviation;
    if (zone.summerTime) text += *zone.summerTime ? ", summer time" : ", standard time";
    return text + ", " + ut;
}

std::string DaylightSavingText(const ZoneInUse& zone) {
    if (zone.zone.empty()) return zone.daylightBox ? "Yes, one hour ahead" : "No";
    if (!zone.summerTime) return "Not known from the zone's history";
    return *zone.summerTime ? "Yes, summer time by the zone's history"
                            : "No, standard time by the zone's history";
}

}  // namespace tamovid
