#include "tamovid/birthentry/chart_restore.h"

#include <string>
#include <utility>

#include "entered_birth.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr int kNothingChosen = -1;

/// Selects the list entry whose text is the stored number, as the window does.
void SelectEntry(const std::optional<int>& value, std::optional<int> (*position)(std::string_view),
                 int& list) {
    if (!value) return;
    if (const std::optional<int> found = position(std::to_string(*value))) list = *found;
}

/// A stored number the list offers, as the list reads it; nothing for one it does not.
std::optional<int> OnList(const std::optional<int>& value,
                          std::optional<int> (*position)(std::string_view)) {
    if (!value || !position(std::to_string(*value))) return std::nullopt;
    return value;
}

void SetText(const std::optional<std::string>& value, std::string& field) {
    if (value) field = *value;
}

}  // namespace

BirthEntry EmptyForm() {
    BirthEntry entry;
    for (int* list : {&entry.cboDate, &entry.cboMonth, &entry.cboYear, &entry.cboHour,
                      &entry.cboMinute, &entry.cboTimeZone}) {
        *list = kNothingChosen;
    }
    entry.optLat = LatitudeOption::kNone;
    entry.optLong = LongitudeOption::kNone;
    entry.chkDST = false;
    return entry;
}

BirthEntry RestoreEntry(const ChartFileContents& contents) {
    BirthEntry entry = EmptyForm();
    SetText(contents.name, entry.txtName);
    if (contents.month && *contents.month >= 1 &&
        *contents.month <= static_cast<int>(kMonthNames.size())) {
        entry.cboMonth = *contents.month - 1;
    }
    SelectEntry(contents.date, DateListPosition, entry.cboDate);
    SelectEntry(contents.year, YearListPosition, entry.cboYear);
    SelectEntry(contents.hour, HourListPosition, entry.cboHour);
    SelectEntry(contents.minute, MinuteListPosition, entry.cboMinute);
    if (contents.timeZone && *contents.timeZone >= 0 &&
        *contents.timeZone < static_cast<int>(kTimeZoneCount)) {
        entry.cboTimeZone = *contents.timeZone;
    }
    SetText(contents.lonDeg, entry.txtLonDeg);
    SetText(contents.lonMin, entry.txtLonMin);
    SetText(contents.latDeg, entry.txtLatDeg);
    SetText(contents.latMin, entry.txtLatMin);
    if (contents.east)
        entry.optLong = *contents.east ? LongitudeOption::kEast : LongitudeOption::kWest;
    if (contents.south)
        entry.optLat = *contents.south ? LatitudeOption::kSouth : LatitudeOption::kNorth;
    if (contents.dst) entry.chkDST = *contents.dst;
    SetText(contents.city, entry.txtCity);
    SetText(contents.state, entry.txtState);
    SetText(contents.country, entry.txtCountry);
    // The exact zone belongs to the chart opened, never to the form it replaces.
    entry.utcOffsetMinutes = contents.utcOffsetMinutes;
    entry.tz = contents.tz.value_or("");
    return entry;
}

Result<Birth, Refusal> ReadBirth(const ChartFileContents& contents) {
    EnteredBirth entered;
    entered.south = contents.south;
    entered.east = contents.east;
    entered.year = OnList(contents.year, YearListPosition);
    if (contents.month && *contents.month >= 1 &&
        *contents.month <= static_cast<int>(kMonthNames.size())) {
        entered.month = contents.month;
    }
    entered.day = OnList(contents.date, DateListPosition);
    entered.hour = OnList(contents.hour, HourListPosition);
    entered.minute = OnList(contents.minute, MinuteListPosition);
    if (contents.timeZone && *contents.timeZone >= 0 &&
        *contents.timeZone < static_cast<int>(kTimeZoneCount)) {
        entered.zoneRow = contents.timeZone;
    }
    entered.dst = contents.dst.value_or(false);
    entered.utcOffsetMinutes = contents.utcOffsetMinutes;
    entered.zoneName = contents.tz.value_or("");
    entered.name = contents.name.value_or("");
    entered.latDeg = ReadNumberField(contents.latDeg.value_or(""));
    entered.latMin = ReadNumberField(contents.latMin.value_or(""));
    entered.lonDeg = ReadNumberField(contents.lonDeg.value_or(""));
    entered.lonMin = ReadNumberField(contents.lonMin.value_or(""));
    entered.city = ReadTextField(contents.city.value_or(""));
    entered.state = ReadTextField(contents.state.value_or(""));
    entered.country = ReadTextField(contents.country.value_or(""));
    // Nothing of a chart shown before fills a line the file leaves empty.
    return CheckedBirth(std::move(entered), BlankBirth());
}

}  // namespace tamovid
