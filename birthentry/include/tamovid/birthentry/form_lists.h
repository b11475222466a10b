#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/record_text.h"

namespace tamovid {

// The entries of the form's drop-down lists. Each numeric entry is the plain decimal
// text of its value, so a list position maps to a value and back without a table.
inline constexpr int kStartYearPosition = 5;  // 1906

// The month list is kMonthNames, beside the date texts that use it too.

/// The text of each list's entry at a position (empty when out of range).
std::string DateListText(int position);
std::string YearListText(int position);
std::string HourListText(int position);
std::string MinuteListText(int position);

/// The number each list's entry at a position reads as (nothing when out of range): the
/// value of its text, without making the text.
std::optional<int> DateListValue(int position);
std::optional<int> YearListValue(int position);
std::optional<int> HourListValue(int position);
std::optional<int> MinuteListValue(int position);

/// Position of the entry whose text equals the given one, if any.
std::optional<int> DateListPosition(std::string_view text);
std::optional<int> YearListPosition(std::string_view text);
std::optional<int> HourListPosition(std::string_view text);
std::optional<int> MinuteListPosition(std::string_view text);

}  // namespace tamovid
