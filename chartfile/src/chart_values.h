#pragma once

// What each line of a chart file may hold: the same values the window's lists and
// fields can show. Reading and writing share these rules, so that whatever is
// written reads back as the same value.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/tables.h"

namespace tamovid::chartvalues {

struct NumberRange {
    int lowest;
    int highest;
};

inline constexpr NumberRange kMonths{1, 12};
inline constexpr NumberRange kDays{kFirstDay, kFirstDay + kDayCount - 1};
inline constexpr NumberRange kYears{kFirstYear, kFirstYear + kYearCount - 1};
inline constexpr NumberRange kHours{0, kHourCount - 1};
inline constexpr NumberRange kMinutes{0, kMinuteCount - 1};
inline constexpr NumberRange kTimeZones{0, static_cast<int>(kTimeZoneCount) - 1};

/// Plain decimal text of a number: no sign for 0 and up, no leading zeros.
std::string DecimalText(int value);

/// A value of a list whose entries are plain decimal texts: only the exact text of an
/// entry selects it ("7" does, "07" and " 7" do not).
std::optional<int> ParseListEntry(std::string_view text, NumberRange range);

/// A number that is not a list's text (the month, the time-zone position): ASCII digits
/// only, leading zeros allowed.
std::optional<int> ParseNumberAllowingLeadingZeros(std::string_view text, NumberRange range);

/// Text for a degree or minute field: 1 to kCoordinateDigits ASCII digits, kept as written.
std::optional<std::string> ParseDigitField(std::string_view text);

/// "True" or "False", or a decimal number (optional sign, optional fraction), where
/// anything but zero means yes.
std::optional<bool> ParseYesNo(std::string_view text);
std::string_view YesNoText(bool value);

/// Bytes a single-line text field cannot hold: C0 controls, DEL, and the five bytes
/// Windows-1252 leaves undefined (they decode to C1 controls).
bool IsControlByte(unsigned char byte);

/// Windows-1252 text of a name or place as UTF-8, unless it holds a control byte.
std::optional<std::string> ParseFieldText(std::string_view bytes);

}  // namespace tamovid::chartvalues
