#include "tamovid/cli/chart_fields.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "tamovid/birthentry/form_lists.h"
#include "tamovid/base/digits.h"
#include "tamovid/positions/tables.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid::cli {
namespace {

constexpr std::size_t kMaxCoordinateDigits = static_cast<std::size_t>(kCoordinateDigits);

/// A run of minDigits..maxDigits ASCII digits and nothing else: the fixed-width parts of
/// dates, times and coordinates.
std::optional<int> ParseDigits(std::string_view text, std::size_t minDigits,
                               std::size_t maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
    return ParseDigitRun(text);
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += text;
    quoted += '"';
    return quoted;
}

Failure<std::string> Expected(std::string_view form, std::string_view text) {
    return {"expected " + std::string(form) + ", got " + Quoted(text)};
}

Failure<std::string> OutOfRange(std::string_view what, int first, int last) {
    return {"the " + std::string(what) + " must lie between " + std::to_string(first) + " and " +
            std::to_string(last)};
}

struct Coordinate {
    std::string_view degrees;
    bool positiveDirection;  // N or E
    std::string_view minutes;
};

/// Degrees, a direction letter, minutes: "28N39", "118W15". Letters in either case.
std::optional<Coordinate> ParseCoordinate(std::string_view text, char positive, char negative) {
    const std::size_t letter = static_cast<std::size_t>(
        std::find_if_not(text.begin(), text.end(), IsAsciiDigit) - text.begin());
    if (letter == text.size()) return std::nullopt;
    const char direction = static_cast<char>(text[letter] & ~0x20);  // ASCII upper case
    if (direction != positive && direction != negative) return std::nullopt;
    const std::string_view degrees = text.substr(0, letter);
    const std::string_view minutes = text.substr(letter + 1);
    if (!ParseDigits(degrees, 1, kMaxCoordinateDigits) ||
        !ParseDigits(minutes, 1, kMaxCoordinateDigits)) {
        return std::nullopt;
    }
    return Coordinate{degrees, direction == positive, minutes};
}

/// Decimal degrees, negative to the south or west ("18.52", "-73.85"), in whole minutes of
/// arc rounded to the nearest, as the form holds them; nothing for any other text.
std::optional<int> ParseDecimalDegreesAsMinutes(std::string_view text) {
    constexpr int kMinutesPerDegree = 60;
    constexpr std::size_t kMaxDecimals = 9;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = text.substr(std::min(point + 1, text.size()));
    if (whole.empty() || whole.size() > kMaxCoordinateDigits ||
        !std::all_of(whole.begin(), whole.end(), IsAsciiDigit) ||
        (point < text.size() && (decimals.empty() || decimals.size() > kMaxDecimals)) ||
        !std::all_of(decimals.begin(), decimals.end(), IsAsciiDigit)) {
        return std::nullopt;
    }
    double degrees = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), degrees).ec != std::errc{}) {
        return std::nullopt;
    }
    const int minutes = static_cast<int>(std::lround(degrees * kMinutesPerDegree));
    return negative ? -minutes : minutes;
}

/// How one coordinate is written: its two direction letters and, for the message, the form.
struct CoordinateForm {
    char positive;
    char negative;
    std::string_view expected;
};

/// Reads one coordinate into the form's degree and minute fields and its direction option.
template <typename Direction>
Result<void, std::string> ApplyCoordinate(std::string_view text, const CoordinateForm& form,
                                          std::string& degrees, std::string& minutes,
                                          Direction& direction, Direction positive,
                                          Direction negative) {
    const std::optional<Coordinate> c = ParseCoordinate(text, form.positive, form.negative);
    if (!c) {
        const std::optional<int> decimal = ParseDecimalDegreesAsMinutes(text);
        if (!decimal) return Expected(form.expected, text);
        constexpr int kMinutesPerDegree = 60;
        degrees = std::to_string(std::abs(*decimal) / kMinutesPerDegree);
        minutes = std::to_string(std::abs(*decimal) % kMinutesPerDegree);
        direction = *decimal >= 0 ? positive : negative;
        return {};
    }
    degrees = c->degrees;
    minutes = c->minutes;
    direction = c->positiveDirection ? positive : negative;
    return {};
}

}  // namespace

std::string_view ChartFieldName(ChartField field) {
    return kChartFieldNames[static_cast<std::size_t>(field)];
}

std::optional<ChartField> ChartFieldByName(std::string_view name) {
    for (std::size_t i = 0; i < kChartFieldCount; ++i) {
        if (kChartFieldNames[i] == name) return static_cast<ChartField>(i);
    }
    return std::nullopt;
}

bool IsRequiredField(ChartField field) {
    constexpr std::array kRequired = {ChartField::kDate, ChartField::kTime, ChartField::kZone,
                                      ChartField::kLat, ChartField::kLon};
    return std::find(kRequired.begin(), kRequired.end(), field) != kRequired.end();
}

std::string DescribeFieldError(const FieldError& error, std::string_view prefix) {
    std::string text(prefix);
    std::string name(ChartFieldName(error.field));
    if (!prefix.empty()) std::replace(name.begin(), name.end(), '_', '-');
    text += name;
    text += ": ";
    text += error.message;
    return text;
}

Result<void, std::string> ApplyDate(std::string_view text, BirthEntry& entry) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return Expected("YYYY-MM-DD", text);
    }
    const std::optional<int> year = ParseDigits(text.substr(0, 4), 4, 4);
    const std::optional<int> month = ParseDigits(text.substr(5, 2), 2, 2);
    const std::optional<int> day = ParseDigits(text.substr(8, 2), 2, 2);
    if (!year || !month || !day) return Expected("YYYY-MM-DD", text);
    // List positions count from each list's first entry, whose texts are these numbers.
    if (*year < kFirstYear || *year >= kFirstYear + kYearCount) {
        return OutOfRange("year", kFirstYear, kFirstYear + kYearCount - 1);
    }
    if (*month < 1 || *month > static_cast<int>(kMonthNames.size())) {
        return OutOfRange("month", 1, static_cast<int>(kMonthNames.size()));
    }
    // Day 31 of a 30-day month fits the list; the form's own check refuses it later.
    if (*day < kFirstDay || *day >= kFirstDay + kDayCount) {
        return OutOfRange("day", kFirstDay, kFirstDay + kDayCount - 1);
    }
    entry.cboYear = *year - kFirstYear;
    entry.cboMonth = *month - 1;
    entry.cboDate = *day - kFirstDay;
    return {};
}

Result<void, std::string> ApplyTime(std::string_view text, BirthEntry& entry) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return Expected("HH:MM", text);
    const std::optional<int> hour = ParseDigits(text.substr(0, colon), 1, 2);
    const std::optional<int> minute = ParseDigits(text.substr(colon + 1), 2, 2);
    if (!hour || !minute) return Expected("HH:MM", text);
    if (*hour >= kHourCount) return OutOfRange("hour", 0, kHourCount - 1);
    if (*minute >= kMinuteCount) return OutOfRange("minute", 0, kMinuteCount - 1);
    entry.cboHour = *hour;
    entry.cboMinute = *minute;
    return {};
}

Result<void, std::string> ApplyZone(std::string_view text, BirthEntry& entry) {
    constexpr int kLastRow = static_cast<int>(kTimeZoneCount) - 1;
    const std::optional<int> row = ParseDigits(text, 1, 2);
    if (!row) return Expected("a time-zone row number from 0 to 70", text);
    if (*row > kLastRow) return OutOfRange("time-zone row", 0, kLastRow);
    entry.cboTimeZone = *row;
    return {};
}

Result<void, std::string> ApplyDst(std::string_view text, BirthEntry& entry) {
    if (text == "1") {
        entry.chkDST = true;
    } else if (text == "0" || text.empty()) {
        entry.chkDST = false;
    } else {
        return Expected("0 or 1", text);
    }
    return {};
}

Result<void, std::string> ApplyLatitude(std::string_view text, BirthEntry& entry) {
    return ApplyCoordinate(text,
                           {'N', 'S',
                            "degrees, N or S, minutes (like 28N39 or 33S52) or decimal degrees "
                            "(like 18.52 or -33.87)"},
                           entry.txtLatDeg, entry.txtLatMin, entry.optLat, LatitudeOption::kNorth,
                           LatitudeOption::kSouth);
}

Result<void, std::string> ApplyLongitude(std::string_view text, BirthEntry& entry) {
    return ApplyCoordinate(text,
                           {'E', 'W',
                            "degrees, E or W, minutes (like 77E13 or 118W15) or decimal degrees "
                            "(like 73.85 or -118.25)"},
                           entry.txtLonDeg, entry.txtLonMin, entry.optLong, LongitudeOption::kEast,
                           LongitudeOption::kWest);
}

Result<void, std::string> CheckUtcOffset(std::string_view text, BirthEntry&) {
    if (text.empty() || ParseUtcOffset(text)) return {};  // an empty cell: not given
    return Expected(
        "a sign, two-digit hours and minutes, from -15:59 to +15:59 (like +05:45 or -04:30)",
        text);
}

Result<BirthEntry, FieldError> EntryFromFieldTexts(const ChartFieldTexts& texts) {
    using Parser = Result<void, std::string> (*)(std::string_view, BirthEntry&);
    struct Step {
        ChartField field;
        Parser parse;
    };
    static constexpr std::array<Step, 7> kParsed = {{
        {ChartField::kDate, ApplyDate},
        {ChartField::kTime, ApplyTime},
        {ChartField::kZone, ApplyZone},
        {ChartField::kDst, ApplyDst},
        {ChartField::kLat, ApplyLatitude},
        {ChartField::kLon, ApplyLongitude},
        {ChartField::kUtcOffset, CheckUtcOffset},
    }};
    static constexpr std::array<std::pair<ChartField, std::string BirthEntry::*>, 4> kTexts = {{
        {ChartField::kName, &BirthEntry::txtName},
        {ChartField::kCity, &BirthEntry::txtCity},
        {ChartField::kState, &BirthEntry::txtState},
        {ChartField::kCountry, &BirthEntry::txtCountry},
    }};

    auto given = [&](ChartField field) {
        const auto& text = texts[static_cast<std::size_t>(field)];
        return text && !text->empty();
    };
    const bool place = given(ChartField::kPlace);
    const bool zone = place || given(ChartField::kTz) || given(ChartField::kUtcOffset);
    auto suppliedElsewhere = [&](ChartField field) {
        return (field == ChartField::kZone && zone) ||
               ((field == ChartField::kLat || field == ChartField::kLon) && place);
    };

    // Made in the result itself, so that the entry is not moved on the way out.
    Result<BirthEntry, FieldError> result{BirthEntry{}};
    BirthEntry& entry = result.value();
    for (const Step& step : kParsed) {
        const std::optional<std::string_view>& text = texts[static_cast<std::size_t>(step.field)];
        if (!text || (text->empty() && suppliedElsewhere(step.field))) {
            if (IsRequiredField(step.field) && !suppliedElsewhere(step.field)) {
                return Failure{FieldError{step.field, "required, but not given"}};
            }
            continue;
        }
        if (const Result<void, std::string> parsed = step.parse(*text, entry); !parsed.ok()) {
            return Failure{FieldError{step.field, parsed.error()}};
        }
    }
    for (const auto& [field, member] : kTexts) {
        if (const auto& text = texts[static_cast<std::size_t>(field)]) entry.*member = *text;
    }
    return result;
}

}  // namespace tamovid::cli
