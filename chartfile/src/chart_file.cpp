#include "tamovid/chartfile/chart_file.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "chart_values.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/chartfile/codepage.h"
#include "tamovid/chartfile/text_shift.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

using namespace chartvalues;

constexpr std::string_view kLineEnd = "\r\n";
constexpr unsigned char kLowestShiftedByte = 85;
constexpr unsigned char kLowestUnshiftableByte = 171;

constexpr std::array<std::string_view, kChartFileLineCount> kLineLabels = {
    "name",
    "month",
    "day of the month",
    "year",
    "hour",
    "minute",
    "time zone",
    "longitude degrees",
    "longitude minutes",
    "latitude degrees",
    "latitude minutes",
    "east or west direction",
    "north or south direction",
    "daylight saving setting",
    "city",
    "state",
    "country",
};

// ---- Encoding ----

struct LineText {
    std::string bytes;  // Windows-1252, before the shift
    std::optional<ChartEncodeProblem> problem;
};

LineText FieldText(std::string_view utf8) {
    const auto bytes = Utf8ToWindows1252(TrimBlanks(utf8));
    if (!bytes) {
        return {{}, ChartEncodeProblem::NotInCodePage};
    }
    for (const char ch : *bytes) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= kLowestUnshiftableByte) {
            return {{}, ChartEncodeProblem::LostByShift};
        }
        if (IsControlByte(code)) {
            return {{}, ChartEncodeProblem::ControlCharacter};
        }
    }
    return {*bytes, std::nullopt};
}

/// Writes a number only when the reader would take its text back, so that the two
/// sides cannot drift apart.
template <typename Parse>
LineText NumberText(int value, Parse&& readsBack) {
    std::string text = DecimalText(value);
    if (!readsBack(text)) {
        return {{}, ChartEncodeProblem::OutOfRange};
    }
    return {std::move(text), std::nullopt};
}

LineText ListEntryText(int value, NumberRange range) {
    return NumberText(value, [range](std::string_view t) { return ParseListEntry(t, range); });
}

LineText DigitFieldText(int value) {
    return NumberText(value, [](std::string_view t) { return ParseDigitField(t); });
}

std::array<LineText, kChartFileLineCount> LineTexts(const BirthRecord& r, int timeZone) {
    return {{
        FieldText(r.strName),
        ListEntryText(r.intMonth, kMonths),
        ListEntryText(r.intDate, kDays),
        ListEntryText(r.intYear, kYears),
        ListEntryText(r.intHour, kHours),
        ListEntryText(r.intMinute, kMinutes),
        ListEntryText(timeZone, kTimeZones),
        DigitFieldText(r.intLonDeg),
        DigitFieldText(r.intLonMin),
        DigitFieldText(r.intLatDeg),
        DigitFieldText(r.intLatMin),
        {std::string(YesNoText(r.blnEast)), std::nullopt},
        {std::string(YesNoText(r.blnSouth)), std::nullopt},
        {std::string(YesNoText(r.blnDST)), std::nullopt},
        FieldText(r.strCity),
        FieldText(r.strState),
        FieldText(r.strCountry),
    }};
}

constexpr std::string_view kUtcOffsetKey = "utc_offset=";
constexpr std::string_view kZoneKey = "tz=";
// IANA names are short ASCII words: "America/Argentina/Buenos_Aires" is among the longest.
constexpr std::size_t kMaxZoneNameLength = 64;

bool IsZoneName(std::string_view name) {
    if (name.empty() || name.size() > kMaxZoneNameLength) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '/' || c == '_' || c == '-' || c == '+';
    });
}

/// The extra lines of an exact zone, before the shift.
std::vector<std::string> ExactZoneLines(const ChartExactZone& exact) {
    std::vector<std::string> lines;
    if (!exact.utcOffsetMinutes || std::abs(*exact.utcOffsetMinutes) > kMaxUtcOffsetMinutes) {
        return lines;
    }
    lines.push_back(std::string(kUtcOffsetKey) + UtcOffsetText(*exact.utcOffsetMinutes));
    if (IsZoneName(exact.tz)) lines.push_back(std::string(kZoneKey) + exact.tz);
    return lines;
}

void RestoreExtraLine(std::string_view v, ChartFileContents& out) {
    if (v.substr(0, kUtcOffsetKey.size()) == kUtcOffsetKey) {
        out.utcOffsetMinutes = ParseUtcOffset(v.substr(kUtcOffsetKey.size()));
    } else if (v.substr(0, kZoneKey.size()) == kZoneKey) {
        const std::string_view name = v.substr(kZoneKey.size());
        if (IsZoneName(name)) out.tz = std::string(name);
    }
}

// ---- Decoding ----

/// Splits off the first line; CR LF, LF and CR each end a line.
std::string_view TakeLine(std::string_view& rest) {
    const auto end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        const auto line = rest;
        rest = {};
        return line;
    }
    const auto line = rest.substr(0, end);
    const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    rest.remove_prefix(end + (crlf ? 2 : 1));
    return line;
}

/// The lines restored as text: the name, the four coordinate fields and the place.
bool IsTextLine(ChartLine line) {
    constexpr std::array kTextLines = {ChartLine::Name,   ChartLine::LonDeg, ChartLine::LonMin,
                                       ChartLine::LatDeg, ChartLine::LatMin, ChartLine::City,
                                       ChartLine::State,  ChartLine::Country};
    return std::find(kTextLines.begin(), kTextLines.end(), line) != kTextLines.end();
}

void RestoreLine(ChartLine line, std::string_view v, ChartFileContents& out) {
    switch (line) {
        case ChartLine::Name:
            out.name = ParseFieldText(v);
            break;
        case ChartLine::Month:
            out.month = ParseNumberAllowingLeadingZeros(v, kMonths);
            break;
        case ChartLine::Date:
            out.date = ParseListEntry(v, kDays);
            break;
        case ChartLine::Year:
            out.year = ParseListEntry(v, kYears);
            break;
        case ChartLine::Hour:
            out.hour = ParseListEntry(v, kHours);
            break;
        case ChartLine::Minute:
            out.minute = ParseListEntry(v, kMinutes);
            break;
        case ChartLine::TimeZone:
            out.timeZone = ParseNumberAllowingLeadingZeros(v, kTimeZones);
            break;
        case ChartLine::LonDeg:
            out.lonDeg = ParseDigitField(v);
            break;
        case ChartLine::LonMin:
            out.lonMin = ParseDigitField(v);
            break;
        case ChartLine::LatDeg:
            out.latDeg = ParseDigitField(v);
            break;
        case ChartLine::LatMin:
            out.latMin = ParseDigitField(v);
            break;
        case ChartLine::East:
            out.east = ParseYesNo(v);
            break;
        case ChartLine::South:
            out.south = ParseYesNo(v);
            break;
        case ChartLine::Dst:
            out.dst = ParseYesNo(v);
            break;
        case ChartLine::City:
            out.city = ParseFieldText(v);
            break;
        case ChartLine::State:
            out.state = ParseFieldText(v);
            break;
        case ChartLine::Country:
            out.country = ParseFieldText(v);
            break;
    }
}

}  // namespace

std::string_view ChartLineLabel(ChartLine line) {
    const auto index = static_cast<std::size_t>(line);
    return index < kLineLabels.size() ? kLineLabels[index] : std::string_view("field");
}

std::string DescribeChartEncodeError(const ChartEncodeError& error) {
    const std::string field(ChartLineLabel(error.line));
    switch (error.problem) {
        case ChartEncodeProblem::NotInCodePage:
        case ChartEncodeProblem::LostByShift:
        case ChartEncodeProblem::ControlCharacter:
            return "The " + field + " holds a character that a chart file cannot store.";
        case ChartEncodeProblem::OutOfRange:
            return "The " + field + " is outside the range that a chart file can hold.";
        case ChartEncodeProblem::TooLong:
            return "The " + field + " is too long for a chart file.";
    }
    return "The " + field + " cannot be stored in a chart file.";
}

ChartEncodeResult EncodeChartFile(const BirthRecord& record, int timeZonePosition,
                                  const ChartExactZone& exact) {
    const auto lines = LineTexts(record, timeZonePosition);
    const std::vector<std::string> extra = ExactZoneLines(exact);
    std::size_t longest = 0;
    std::size_t total = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].problem) {
            return Failure{ChartEncodeError{static_cast<ChartLine>(i), *lines[i].problem}};
        }
        total += lines[i].bytes.size() + kLineEnd.size();
        if (lines[i].bytes.size() > lines[longest].bytes.size()) {
            longest = i;
        }
    }
    if (total > kChartFileMaxBytes) {
        return Failure{
            ChartEncodeError{static_cast<ChartLine>(longest), ChartEncodeProblem::TooLong}};
    }
    std::string bytes;
    bytes.reserve(total);
    for (const auto& line : lines) {
        bytes += ScrambleText(line.bytes);
        bytes += kLineEnd;
    }
    for (const std::string& line : extra) {
        bytes += ScrambleText(line);
        bytes += kLineEnd;
    }
    return bytes;
}

ChartFileContents DecodeChartFile(std::string_view bytes) {
    ChartFileContents out;
    if (bytes.size() > kChartFileMaxBytes) {
        return out;
    }
    std::string_view rest = bytes;
    for (std::size_t i = 0; !rest.empty(); ++i) {
        const std::string_view line = TakeLine(rest);
        const auto which = static_cast<ChartLine>(i);
        // The writer only makes bytes of 85 and up; a lower one means the line was made
        // or changed by something else. A text keeps what the shift leaves of it, as long
        // as something is left; a list or yes/no value is not guessed at.
        const auto low = std::count_if(line.begin(), line.end(), [](char ch) {
            return static_cast<unsigned char>(ch) < kLowestShiftedByte;
        });
        const bool usable = low == 0 || (i < kChartFileLineCount && IsTextLine(which) &&
                                         static_cast<std::size_t>(low) < line.size());
        if (!usable) continue;
        if (i < kChartFileLineCount) {
            RestoreLine(which, UnscrambleText(line), out);
        } else {
            RestoreExtraLine(UnscrambleText(line), out);
        }
    }
    return out;
}

}  // namespace tamovid
