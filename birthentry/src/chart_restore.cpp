#include "tamovid/birthentry/chart_restore.h"

#include <array>
#include <string>
#include <utility>

#include "entered_birth.h"
#include "tamovid/base/digits.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr int kNothingChosen = -1;

constexpr int kFirstMonth = 1;
constexpr int kMonthCount = static_cast<int>(kMonthNames.size());
constexpr int kZoneRowCount = static_cast<int>(kTimeZoneCount);

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
    // Each list shows the entry of the stored number; a number it does not offer leaves it empty.
    const auto select = [](const std::optional<int>& value, int first, int count, int& list) {
        if (const std::optional<int> offered = OnList(value, first, count)) list = *offered - first;
    };
    select(contents.month, kFirstMonth, kMonthCount, entry.cboMonth);
    select(contents.date, kFirstDay, kDayCount, entry.cboDate);
    select(contents.year, kFirstYear, kYearCount, entry.cboYear);
    select(contents.hour, 0, kHourCount, entry.cboHour);
    select(contents.minute, 0, kMinuteCount, entry.cboMinute);
    select(contents.timeZone, 0, kZoneRowCount, entry.cboTimeZone);
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
    entered.month = OnList(contents.month, kFirstMonth, kMonthCount);
    entered.day = OnList(contents.date, kFirstDay, kDayCount);
    entered.hour = OnList(contents.hour, 0, kHourCount);
    entered.minute = OnList(contents.minute, 0, kMinuteCount);
    entered.zoneRow = OnList(contents.timeZone, 0, kZoneRowCount);
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
