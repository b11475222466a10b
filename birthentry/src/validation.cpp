#include "tamovid/birthentry/validation.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "entered_birth.h"
#include "number_text.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/tables.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

template <typename Fields>
struct RequiredField {
    bool (*filled)(const Fields&);
    std::string_view message;
    FormField focus;
};

// A field counts as empty only when its text is exactly empty; blanks are content.
constexpr std::array<RequiredField<EnteredBirth>, 8> kRequiredFields = {{
    {[](const EnteredBirth& e) { return !e.name.empty(); }, "Please Enter Your Name",
     FormField::txtName},
    {[](const EnteredBirth& e) { return e.latDeg.given; }, "Please Enter Degree of Latitude",
     FormField::txtLatDeg},
    {[](const EnteredBirth& e) { return e.latMin.given; }, "Please Enter Minutes of Latitude",
     FormField::txtLatMin},
    {[](const EnteredBirth& e) { return e.lonDeg.given; }, "Please Enter Degree of Longitude",
     FormField::txtLonDeg},
    {[](const EnteredBirth& e) { return e.lonMin.given; }, "Please Enter Minute of Longitude",
     FormField::txtLonMin},
    {[](const EnteredBirth& e) { return !e.city.empty(); }, "Please Enter Your City name",
     FormField::txtCity},
    {[](const EnteredBirth& e) { return !e.state.empty(); }, "Please Enter Your State name",
     FormField::txtState},
    {[](const EnteredBirth& e) { return !e.country.empty(); }, "Please Enter Your Country name",
     FormField::txtCountry},
}};

constexpr std::array<RequiredField<BirthEntry>, 3> kLookupFields = {{
    {[](const BirthEntry& e) { return !e.txtCity.empty(); }, "Please Enter City",
     FormField::txtCity},
    {[](const BirthEntry& e) { return !e.txtState.empty(); }, "Please Enter State",
     FormField::txtState},
    {[](const BirthEntry& e) { return !e.txtCountry.empty(); }, "Please Enter Country",
     FormField::txtCountry},
}};

// The two date messages differ only in the blank before the exclamation mark.
constexpr std::string_view kFebruaryMessage = "Please Enter Correct Date Or Month!";
constexpr std::string_view kThirtyDayMonthMessage = "Please Enter Correct Date Or Month !";

constexpr int kFebruary = 2;
constexpr int kLastDay = 31;
constexpr std::array<int, 4> kThirtyDayMonths = {4, 6, 9, 11};

template <typename Fields, std::size_t N>
Result<void, Refusal> FirstEmpty(const Fields& fields,
                                 const std::array<RequiredField<Fields>, N>& required) {
    for (const RequiredField<Fields>& field : required) {
        if (!field.filled(fields)) {
            return Failure{Refusal{field.message, MessageIcon::kCritical, field.focus}};
        }
    }
    return {};
}

/// Whether the chosen day exists in its month and year; a list with nothing chosen gives
/// no date to compute.
Result<void, Refusal> CheckDay(std::optional<int> year, std::optional<int> month,
                               std::optional<int> day) {
    const Failure february{Refusal{kFebruaryMessage, MessageIcon::kInformation}};
    if (!year || !month || !day) return february;
    if (*month == kFebruary) {
        // Every fourth year is a leap year; within 1901..2050 that is the calendar's rule.
        const int lastDay = *year % 4 == 0 ? 29 : 28;
        if (*day > lastDay) return february;
    }
    for (const int thirtyDays : kThirtyDayMonths) {
        if (*month == thirtyDays && *day == kLastDay) {
            return Failure{Refusal{kThirtyDayMonthMessage, MessageIcon::kInformation}};
        }
    }
    return {};
}

struct Angle {
    int degrees = 0;
    int minutes = 0;
};

// Degrees up to `limit` (the limit itself only with zero minutes) and minutes up to 59.
Result<Angle, Refusal> ReadCoordinate(GivenNumber degreesField, GivenNumber minutesField, int limit,
                                      Refusal badDegrees, Refusal badMinutes) {
    const std::optional<int> degrees = degreesField.value;
    const std::optional<int> minutes = minutesField.value;
    if (!degrees || *degrees > limit || (*degrees == limit && minutes.value_or(0) > 0)) {
        return Failure{std::move(badDegrees)};
    }
    if (!minutes || *minutes > 59) return Failure{std::move(badMinutes)};
    return Angle{*degrees, *minutes};
}

bool IsZoneRow(int position) {
    return position >= 0 && position < static_cast<int>(kTimeZoneCount);
}

/// The zone given: the place's exact offset, else the chosen row with the box. With no row
/// chosen, the last chart's zone stands, with the box as it is now.
BirthZone ZoneOf(const EnteredBirth& entered, const BirthZone& previous) {
    if (entered.utcOffsetMinutes && std::abs(*entered.utcOffsetMinutes) <= kMaxUtcOffsetMinutes) {
        const int shownRow = entered.zoneRow.value_or(ShownZone(previous).row);
        return ExactZone{*entered.utcOffsetMinutes, {shownRow, entered.dst}};
    }
    if (entered.zoneRow) return TableZone{*entered.zoneRow, entered.dst};
    if (const auto* table = std::get_if<TableZone>(&previous)) {
        return TableZone{table->row, entered.dst};
    }
    return previous;
}

std::optional<bool> ChosenSouth(LatitudeOption option) {
    if (option == LatitudeOption::kNone) return std::nullopt;
    return option == LatitudeOption::kSouth;
}

std::optional<bool> ChosenEast(LongitudeOption option) {
    if (option == LongitudeOption::kNone) return std::nullopt;
    return option == LongitudeOption::kEast;
}

std::optional<int> MonthListValue(int position) {
    if (position < 0 || position >= static_cast<int>(kMonthNames.size())) return std::nullopt;
    return position + 1;
}

/// The form's list positions as the values their entries read.
EnteredBirth EnteredOf(BirthEntry entry) {
    EnteredBirth entered;
    entered.name = std::move(entry.txtName);
    entered.latDeg = ReadNumberField(entry.txtLatDeg);
    entered.latMin = ReadNumberField(entry.txtLatMin);
    entered.lonDeg = ReadNumberField(entry.txtLonDeg);
    entered.lonMin = ReadNumberField(entry.txtLonMin);
    entered.city = std::move(entry.txtCity);
    entered.state = std::move(entry.txtState);
    entered.country = std::move(entry.txtCountry);
    entered.south = ChosenSouth(entry.optLat);
    entered.east = ChosenEast(entry.optLong);
    entered.year = YearListValue(entry.cboYear);
    entered.month = MonthListValue(entry.cboMonth);
    entered.day = DateListValue(entry.cboDate);
    entered.hour = HourListValue(entry.cboHour);
    entered.minute = MinuteListValue(entry.cboMinute);
    if (IsZoneRow(entry.cboTimeZone)) entered.zoneRow = entry.cboTimeZone;
    entered.dst = entry.chkDST;
    entered.utcOffsetMinutes = entry.utcOffsetMinutes;
    entered.zoneName = std::move(entry.tz);
    return entered;
}

}  // namespace

Result<Birth, Refusal> CheckedBirth(EnteredBirth entered, const Birth& previous) {
    if (auto filled = FirstEmpty(entered, kRequiredFields); !filled.ok()) {
        return Failure{filled.error()};
    }
    if (!entered.south) {
        return Failure{Refusal{"Please Select Direction For The Latitude", MessageIcon::kCritical,
                               FormField::kNone, Refusal::Choose::kNorth}};
    }
    if (!entered.east) {
        return Failure{Refusal{"Please Select Direction For The Longitude", MessageIcon::kCritical,
                               FormField::kNone, Refusal::Choose::kEast}};
    }
    if (auto date = CheckDay(entered.year, entered.month, entered.day); !date.ok())
        return Failure{date.error()};
    // A place that cannot exist is refused after every other check.
    const Result<Angle, Refusal> latitude = ReadCoordinate(
        entered.latDeg, entered.latMin, 90,
        {"Please Enter Correct Degree of Latitude", MessageIcon::kCritical, FormField::txtLatDeg},
        {"Please Enter Correct Minutes of Latitude", MessageIcon::kCritical, FormField::txtLatMin});
    if (!latitude.ok()) return Failure{latitude.error()};
    const Result<Angle, Refusal> longitude = ReadCoordinate(
        entered.lonDeg, entered.lonMin, 180,
        {"Please Enter Correct Degree of Longitude", MessageIcon::kCritical, FormField::txtLonDeg},
        {"Please Enter Correct Minute of Longitude", MessageIcon::kCritical, FormField::txtLonMin});
    if (!longitude.ok()) return Failure{longitude.error()};

    Birth birth;
    birth.name = std::move(entered.name);
    birth.coordinates = {latitude.value().degrees,  latitude.value().minutes,  *entered.south,
                         longitude.value().degrees, longitude.value().minutes, *entered.east};
    birth.zone = ZoneOf(entered, previous.zone);
    birth.zoneName = std::move(entered.zoneName);
    birth.city = TrimmedText(std::move(entered.city));
    birth.state = TrimmedText(std::move(entered.state));
    birth.country = TrimmedText(std::move(entered.country));
    // The date was checked above; an hour or minute with nothing chosen keeps the last
    // chart's.
    birth.clock = {*entered.year, *entered.month, *entered.day,
                   entered.hour.value_or(previous.clock.hour),
                   entered.minute.value_or(previous.clock.minute)};
    return birth;
}

Result<void, Refusal> CheckDate(const BirthEntry& entry) {
    return CheckDay(YearListValue(entry.cboYear), MonthListValue(entry.cboMonth),
                    DateListValue(entry.cboDate));
}

Result<Birth, Refusal> ReadBirth(BirthEntry entry, const Birth& previous) {
    return CheckedBirth(EnteredOf(std::move(entry)), previous);
}

Result<void, Refusal> ValidateInput(const BirthEntry& entry) {
    if (auto birth = ReadBirth(entry, Birth{}); !birth.ok()) return Failure{birth.error()};
    return {};
}

Result<std::string, Refusal> LookupQuery(const BirthEntry& entry) {
    if (auto filled = FirstEmpty(entry, kLookupFields); !filled.ok()) {
        return Failure{filled.error()};
    }
    return entry.txtCity + " " + entry.txtState + " " + entry.txtCountry + " Latitude Longitude";
}

}  // namespace tamovid
