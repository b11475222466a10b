#include "tamovid/birthentry/validation.h"

#include <array>
#include <cstdlib>
#include <utility>

#include "number_text.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/tables.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

struct RequiredField {
    std::string BirthEntry::*text;
    std::string_view message;
    FormField focus;
};

// A field counts as empty only when its text is exactly empty; blanks are content.
constexpr std::array<RequiredField, 8> kRequiredFields = {{
    {&BirthEntry::txtName, "Please Enter Your Name", FormField::txtName},
    {&BirthEntry::txtLatDeg, "Please Enter Degree of Latitude", FormField::txtLatDeg},
    {&BirthEntry::txtLatMin, "Please Enter Minutes of Latitude", FormField::txtLatMin},
    {&BirthEntry::txtLonDeg, "Please Enter Degree of Longitude", FormField::txtLonDeg},
    {&BirthEntry::txtLonMin, "Please Enter Minute of Longitude", FormField::txtLonMin},
    {&BirthEntry::txtCity, "Please Enter Your City name", FormField::txtCity},
    {&BirthEntry::txtState, "Please Enter Your State name", FormField::txtState},
    {&BirthEntry::txtCountry, "Please Enter Your Country name", FormField::txtCountry},
}};

constexpr std::array<RequiredField, 3> kLookupFields = {{
    {&BirthEntry::txtCity, "Please Enter City", FormField::txtCity},
    {&BirthEntry::txtState, "Please Enter State", FormField::txtState},
    {&BirthEntry::txtCountry, "Please Enter Country", FormField::txtCountry},
}};

// The two date messages differ only in the blank before the exclamation mark.
constexpr std::string_view kFebruaryMessage = "Please Enter Correct Date Or Month!";
constexpr std::string_view kThirtyDayMonthMessage = "Please Enter Correct Date Or Month !";

constexpr int kFebruary = 1;
constexpr int kLastDayPosition = 30;  // day 31

template <std::size_t N>
Result<void, Refusal> FirstEmpty(const BirthEntry& entry,
                                 const std::array<RequiredField, N>& fields) {
    for (const RequiredField& field : fields) {
        if ((entry.*field.text).empty()) {
            return Failure{Refusal{field.message, MessageIcon::kCritical, field.focus}};
        }
    }
    return {};
}

}  // namespace

Result<void, Refusal> CheckDate(const BirthEntry& entry) {
    const Failure february{Refusal{kFebruaryMessage, MessageIcon::kInformation}};
    if (entry.cboDate < 0 || entry.cboDate >= kDayCount || entry.cboMonth < 0 ||
        entry.cboMonth >= static_cast<int>(kMonthNames.size()) || entry.cboYear < 0 ||
        entry.cboYear >= kYearCount) {
        return february;  // nothing chosen in a date list: no date to compute
    }
    if (entry.cboMonth == kFebruary) {
        // Every fourth year is a leap year; within 1901..2050 that is the calendar's rule.
        const int year = kFirstYear + entry.cboYear;
        const int firstMissingDayPosition = year % 4 == 0 ? 29 : 28;
        if (entry.cboDate >= firstMissingDayPosition) return february;
    }
    constexpr std::array<int, 4> kThirtyDayMonths = {3, 5, 8, 10};
    for (const int month : kThirtyDayMonths) {
        if (entry.cboMonth == month && entry.cboDate == kLastDayPosition) {
            return Failure{Refusal{kThirtyDayMonthMessage, MessageIcon::kInformation}};
        }
    }
    return {};
}

namespace {

struct Angle {
    int degrees = 0;
    int minutes = 0;
};

// Degrees up to `limit` (the limit itself only with zero minutes) and minutes up to 59.
Result<Angle, Refusal> ReadCoordinate(const std::string& degreesText,
                                      const std::string& minutesText, int limit, Refusal badDegrees,
                                      Refusal badMinutes) {
    const std::optional<int> degrees = ParseFormNumber(degreesText);
    const std::optional<int> minutes = ParseFormNumber(minutesText);
    if (!degrees || *degrees > limit || (*degrees == limit && minutes.value_or(0) > 0)) {
        return Failure{std::move(badDegrees)};
    }
    if (!minutes || *minutes > 59) return Failure{std::move(badMinutes)};
    return Angle{*degrees, *minutes};
}

bool IsZoneRow(int position) { return position >= 0 && position < static_cast<int>(kTimeZoneCount); }

/// The zone the form gives: the place's exact offset, else the chosen row with the box. With
/// no row chosen, the last chart's zone stands, with the box as it is now.
BirthZone ZoneOf(const BirthEntry& entry, const BirthZone& previous) {
    const bool rowChosen = IsZoneRow(entry.cboTimeZone);
    if (entry.utcOffsetMinutes && std::abs(*entry.utcOffsetMinutes) <= kMaxUtcOffsetMinutes) {
        const int shownRow = rowChosen ? entry.cboTimeZone : ShownZone(previous).row;
        return ExactZone{*entry.utcOffsetMinutes, {shownRow, entry.chkDST}};
    }
    if (rowChosen) return TableZone{entry.cboTimeZone, entry.chkDST};
    if (const auto* table = std::get_if<TableZone>(&previous)) {
        return TableZone{table->row, entry.chkDST};
    }
    return previous;
}

}  // namespace

Result<Birth, Refusal> ReadBirth(BirthEntry entry, const Birth& previous) {
    if (auto filled = FirstEmpty(entry, kRequiredFields); !filled.ok()) {
        return Failure{filled.error()};
    }
    if (entry.optLat == LatitudeOption::kNone) {
        return Failure{Refusal{"Please Select Direction For The Latitude", MessageIcon::kCritical,
                               FormField::kNone, Refusal::Choose::kNorth}};
    }
    if (entry.optLong == LongitudeOption::kNone) {
        return Failure{Refusal{"Please Select Direction For The Longitude", MessageIcon::kCritical,
                               FormField::kNone, Refusal::Choose::kEast}};
    }
    if (auto date = CheckDate(entry); !date.ok()) return Failure{date.error()};
    // A place that cannot exist is refused after every other check.
    const Result<Angle, Refusal> latitude = ReadCoordinate(
        entry.txtLatDeg, entry.txtLatMin, 90,
        {"Please Enter Correct Degree of Latitude", MessageIcon::kCritical, FormField::txtLatDeg},
        {"Please Enter Correct Minutes of Latitude", MessageIcon::kCritical, FormField::txtLatMin});
    if (!latitude.ok()) return Failure{latitude.error()};
    const Result<Angle, Refusal> longitude = ReadCoordinate(
        entry.txtLonDeg, entry.txtLonMin, 180,
        {"Please Enter Correct Degree of Longitude", MessageIcon::kCritical, FormField::txtLonDeg},
        {"Please Enter Correct Minute of Longitude", MessageIcon::kCritical, FormField::txtLonMin});
    if (!longitude.ok()) return Failure{longitude.error()};

    Birth birth;
    birth.name = std::move(entry.txtName);
    birth.coordinates = {latitude.value().degrees, latitude.value().minutes,
                         entry.optLat == LatitudeOption::kSouth, longitude.value().degrees,
                         longitude.value().minutes, entry.optLong == LongitudeOption::kEast};
    birth.zone = ZoneOf(entry, previous.zone);
    birth.zoneName = std::move(entry.tz);
    birth.city = TrimmedText(std::move(entry.txtCity));
    birth.state = TrimmedText(std::move(entry.txtState));
    birth.country = TrimmedText(std::move(entry.txtCountry));
    // The date lists were checked above; an hour or minute list with nothing chosen keeps
    // the last chart's.
    birth.clock = {kFirstYear + entry.cboYear, entry.cboMonth + 1, kFirstDay + entry.cboDate,
                   HourListValue(entry.cboHour).value_or(previous.clock.hour),
                   MinuteListValue(entry.cboMinute).value_or(previous.clock.minute)};
    return birth;
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
