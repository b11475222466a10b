#include "tamovid/birthentry/form_record.h"

#include <cstdlib>

#include "number_text.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/tables.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

void SetIfReadable(std::int16_t& field, std::optional<int> value) {
    if (value) field = static_cast<std::int16_t>(*value);
}

}  // namespace

BirthRecord FillBirthRecord(const BirthEntry& entry, BirthRecord record) {
    record.strName = entry.txtName;
    if (entry.cboMonth >= 0 && entry.cboMonth < static_cast<int>(kMonthNames.size())) {
        record.intMonth = static_cast<std::int16_t>(entry.cboMonth + 1);
    }
    SetIfReadable(record.intDate, DateListValue(entry.cboDate));
    SetIfReadable(record.intYear, YearListValue(entry.cboYear));
    SetIfReadable(record.intHour, HourListValue(entry.cboHour));
    SetIfReadable(record.intMinute, MinuteListValue(entry.cboMinute));
    if (entry.utcOffsetMinutes && std::abs(*entry.utcOffsetMinutes) <= kMaxUtcOffsetMinutes) {
        // The correction is what is added to the clock to get UT; the engines take the
        // box's hour off again, so it is added here to keep the offset exact.
        const int correction = -*entry.utcOffsetMinutes + (entry.chkDST ? 60 : 0);
        record.vntZoneHour = static_cast<std::int16_t>(correction / 60);
        record.vntZoneMinute = static_cast<std::int16_t>(correction % 60);
        record.intZoneHour = static_cast<std::int16_t>(std::abs(record.vntZoneHour));
        record.intZoneMinute = static_cast<std::int16_t>(std::abs(record.vntZoneMinute));
    } else if (entry.cboTimeZone >= 0 && entry.cboTimeZone < static_cast<int>(kTimeZoneCount)) {
        const auto row = static_cast<std::size_t>(entry.cboTimeZone);
        record.intZoneHour = static_cast<std::int16_t>(std::abs(intTZHours[row]));
        record.intZoneMinute = static_cast<std::int16_t>(std::abs(intTZMinutes[row]));
        record.vntZoneHour = intTZHours[row];
        record.vntZoneMinute = intTZMinutes[row];
    }
    SetIfReadable(record.intLonDeg, ParseFormNumber(entry.txtLonDeg));
    SetIfReadable(record.intLonMin, ParseFormNumber(entry.txtLonMin));
    SetIfReadable(record.intLatDeg, ParseFormNumber(entry.txtLatDeg));
    SetIfReadable(record.intLatMin, ParseFormNumber(entry.txtLatMin));
    record.blnEast = entry.optLong == LongitudeOption::kEast;
    record.blnSouth = entry.optLat == LatitudeOption::kSouth;
    record.blnDST = entry.chkDST;
    record.strCity = std::string(TrimBlanks(entry.txtCity));
    record.strState = std::string(TrimBlanks(entry.txtState));
    record.strCountry = std::string(TrimBlanks(entry.txtCountry));
    return record;
}

}  // namespace tamovid
