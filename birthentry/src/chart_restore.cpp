#include "tamovid/birthentry/chart_restore.h"

#include <array>
#include <string>
#include <utility>

#include "entered_birth.h"
#include "tamovid/base/digits.h"
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

/// A stored number the form's list offers (first .. first + count - 1), or nothing.
std::optional<int> OnList(const std::optional<int>& value, int first, int count) {
    if (!value || *value < first || *value >= first + count) return std::nullopt;
    return value;
}

/// The file holds each coordinate as a run of digits: read as the file reads them.
void ReadStoredCoordinates(const ChartFileContents& contents, EnteredBirth& entered) {
    const std::array<std::pair<const std::optional<std::string>*, GivenNumber*>, 4> fields = {{
        {&contents.latDeg, &entered.latDeg},
        {&contents.latMin, &entered.latMin},
        {&contents.lonDeg, &entered.lonDeg},
        {&contents.lonMin, &entered.lonMin},
    }};
    for (const auto& [text, number] : fields) {
        if (*text) *number = {!(*text)->empty(), ParseDigitRun(**text)};
    }
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
    entered.year = OnList(contents.year, kFirstYear, kYearCount);
    if (contents.month && *contents.month >= 1 &&
        *contents.month <= static_cast<int>(kMonthNames.size())) {
        entered.month = contents.month;
    }
    entered.day = OnList(contents.date, kFirstDay, kDayCount);
    entered.hour = OnList(contents.hour, 0, kHourCount);
    entered.minute = OnList(contents.minute, 0, kMinuteCount);
    if (contents.timeZone && *contents.timeZone >= 0 &&
        *contents.timeZone < static_cast<int>(kTimeZoneCount)) {
        entered.zoneRow = contents.timeZone;
    }
    entered.dst = contents.dst.value_or(false);
    entered.utcOffsetMinutes = contents.utcOffsetMinutes;
    entered.zoneName = contents.tz.value_or("");
    entered.name = contents.name.value_or("");
    entered.city = contents.city.value_or("");
    entered.state = contents.state.value_or("");
    entered.country = contents.country.value_or("");
    ReadStoredCoordinates(contents, entered);
    // Nothing of a chart shown before fills a line the file leaves empty.
    return CheckedBirth(std::move(entered), BlankBirth());
}

}  // namespace tamovid
