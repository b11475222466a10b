#pragma once

// The seventeen lines of a chart file as one table: what each line is called, how its
// value is written and read, where it comes from in the birth record and where it goes
// in the decoded contents. Writing, reading and messages all take the line from here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "chart_values.h"
#include "tamovid/chartfile/chart_file.h"
#include "tamovid/positions/birth_record.h"

namespace tamovid::chartformat {

enum class LineKind : std::uint8_t {
    kText,       ///< a name or place: Windows-1252 text, any character the shift keeps
    kListEntry,  ///< a list's entry, exactly its decimal text
    kNumber,     ///< a list position or month: decimal, leading zeros read too
    kDigits,     ///< a degree or minute field: up to three digits, kept as text
    kYesNo,      ///< "True" or "False"
};

struct LineFormat {
    ChartLine line;
    std::string_view label;  ///< lower-case words for messages
    LineKind kind;
    chartvalues::NumberRange range{};  ///< for list entries and numbers
    // The record's field written on this line; the time-zone line has none, its list
    // position is given beside the record.
    std::string BirthRecord::*textSource = nullptr;
    std::int16_t BirthRecord::*numberSource = nullptr;
    bool BirthRecord::*yesNoSource = nullptr;
    // The member the line is read into, by kind.
    std::optional<std::string> ChartFileContents::*text = nullptr;
    std::optional<int> ChartFileContents::*number = nullptr;
    std::optional<bool> ChartFileContents::*yesNo = nullptr;
};

using C = ChartFileContents;
using R = BirthRecord;
using K = LineKind;
namespace v = chartvalues;

// One row a line, easier to read than the formatter's layout.
// clang-format off
inline constexpr std::array<LineFormat, kChartFileLineCount> kLines = {{
    {.line = ChartLine::Name, .label = "name", .kind = K::kText,
     .textSource = &R::strName, .text = &C::name},
    {.line = ChartLine::Month, .label = "month", .kind = K::kNumber, .range = v::kMonths,
     .numberSource = &R::intMonth, .number = &C::month},
    {.line = ChartLine::Date, .label = "day of the month", .kind = K::kListEntry,
     .range = v::kDays, .numberSource = &R::intDate, .number = &C::date},
    {.line = ChartLine::Year, .label = "year", .kind = K::kListEntry, .range = v::kYears,
     .numberSource = &R::intYear, .number = &C::year},
    {.line = ChartLine::Hour, .label = "hour", .kind = K::kListEntry, .range = v::kHours,
     .numberSource = &R::intHour, .number = &C::hour},
    {.line = ChartLine::Minute, .label = "minute", .kind = K::kListEntry, .range = v::kMinutes,
     .numberSource = &R::intMinute, .number = &C::minute},
    {.line = ChartLine::TimeZone, .label = "time zone", .kind = K::kNumber,
     .range = v::kTimeZones, .number = &C::timeZone},
    {.line = ChartLine::LonDeg, .label = "longitude degrees", .kind = K::kDigits,
     .numberSource = &R::intLonDeg, .text = &C::lonDeg},
    {.line = ChartLine::LonMin, .label = "longitude minutes", .kind = K::kDigits,
     .numberSource = &R::intLonMin, .text = &C::lonMin},
    {.line = ChartLine::LatDeg, .label = "latitude degrees", .kind = K::kDigits,
     .numberSource = &R::intLatDeg, .text = &C::latDeg},
    {.line = ChartLine::LatMin, .label = "latitude minutes", .kind = K::kDigits,
     .numberSource = &R::intLatMin, .text = &C::latMin},
    {.line = ChartLine::East, .label = "east or west direction", .kind = K::kYesNo,
     .yesNoSource = &R::blnEast, .yesNo = &C::east},
    {.line = ChartLine::South, .label = "north or south direction", .kind = K::kYesNo,
     .yesNoSource = &R::blnSouth, .yesNo = &C::south},
    {.line = ChartLine::Dst, .label = "daylight saving setting", .kind = K::kYesNo,
     .yesNoSource = &R::blnDST, .yesNo = &C::dst},
    {.line = ChartLine::City, .label = "city", .kind = K::kText,
     .textSource = &R::strCity, .text = &C::city},
    {.line = ChartLine::State, .label = "state", .kind = K::kText,
     .textSource = &R::strState, .text = &C::state},
    {.line = ChartLine::Country, .label = "country", .kind = K::kText,
     .textSource = &R::strCountry, .text = &C::country},
}};
// clang-format on

constexpr bool InFileOrder() {
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        if (static_cast<std::size_t>(kLines[i].line) != i) return false;
    }
    return true;
}
static_assert(InFileOrder(), "the table lists the lines in file order");

/// The lines whose bytes below the shifted range are dropped, as the shift drops them,
/// instead of making the line unreadable.
constexpr bool IsTextLine(const LineFormat& format) {
    return format.kind == K::kText || format.kind == K::kDigits;
}

}  // namespace tamovid::chartformat
