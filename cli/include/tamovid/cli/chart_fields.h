#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/base/result.h"

namespace tamovid::cli {

/// The values that describe one chart, named alike as options and as CSV columns.
/// The last three come from the atlas and the time-zone database (place_fields.h).
enum class ChartField {
    kName,
    kDate,
    kTime,
    kZone,
    kDst,
    kLat,
    kLon,
    kCity,
    kState,
    kCountry,
    kPlace,
    kTz,
    kUtcOffset
};
inline constexpr std::size_t kChartFieldCount = 13;

inline constexpr std::array<std::string_view, kChartFieldCount> kChartFieldNames = {
    "name", "date",  "time",    "zone",  "dst", "lat",       "lon",
    "city", "state", "country", "place", "tz",  "utc_offset"};

/// "date" for ChartField::kDate.
std::string_view ChartFieldName(ChartField field);
/// The field of a column or option name ("date"), exact and case-sensitive.
std::optional<ChartField> ChartFieldByName(std::string_view name);
/// Whether a chart cannot be described without this field (the form has no blank for it).
/// Zone, latitude and longitude may still be left out when a place or zone gives them.
bool IsRequiredField(ChartField field);

/// A value that the form's lists or fields cannot hold.
struct FieldError {
    ChartField field;
    std::string message;  ///< "expected YYYY-MM-DD, got \"1975/12/03\""

    friend bool operator==(const FieldError&, const FieldError&) = default;
};

/// "date: expected ..." (prefix "") or "--date: expected ..." (prefix "--"; an option
/// writes "utc_offset" as "--utc-offset").
std::string DescribeFieldError(const FieldError& error, std::string_view prefix);

// Each parser reads one value strictly into the form's values; nothing is changed on failure.
Result<void, std::string> ApplyDate(std::string_view text, BirthEntry& entry);  ///< YYYY-MM-DD
Result<void, std::string> ApplyTime(std::string_view text, BirthEntry& entry);  ///< H:MM or HH:MM
Result<void, std::string> ApplyZone(std::string_view text, BirthEntry& entry);  ///< row 0..70
Result<void, std::string> ApplyDst(std::string_view text, BirthEntry& entry);   ///< 0, 1 or empty
Result<void, std::string> ApplyLatitude(std::string_view text, BirthEntry& entry);   ///< 28N39
Result<void, std::string> ApplyLongitude(std::string_view text, BirthEntry& entry);  ///< 118W15
/// Only checks the form (+05:45); the offset is applied with the place and zone.
Result<void, std::string> CheckUtcOffset(std::string_view text, BirthEntry& entry);

/// The texts of one chart, by field; nullopt when the field was not given at all.
using ChartFieldTexts = std::array<std::optional<std::string_view>, kChartFieldCount>;

/// The form as the window would hold it for these values. Name, city, state and country
/// are copied as given (absent means empty, which the form's checks then refuse); a
/// missing required field or a value outside the form's lists is an error. Place, tz
/// and utc_offset are only checked here for what they stand in for: with a place, zone,
/// lat and lon may be missing; with tz or utc_offset, zone may.
Result<BirthEntry, FieldError> EntryFromFieldTexts(const ChartFieldTexts& texts);

}  // namespace tamovid::cli
