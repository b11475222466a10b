#include "tamovid/chartfile/chart_file.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "chart_format.h"
#include "chart_values.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/chartfile/codepage.h"
#include "tamovid/chartfile/text_shift.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

using namespace chartvalues;
using chartformat::kLines;
using chartformat::LineFormat;
using chartformat::LineKind;

constexpr std::string_view kLineEnd = "\r\n";
constexpr unsigned char kLowestShiftedByte = 85;
constexpr unsigned char kLowestUnshiftableByte = 171;

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

LineText LineTextOf(const LineFormat& f, const BirthRecord& r, int timeZone) {
    switch (f.kind) {
        case LineKind::kText:
            return FieldText(r.*f.textSource);
        case LineKind::kListEntry:
        case LineKind::kNumber:
            // Written as the list's own text either way; only reading is lenient.
            return ListEntryText(f.numberSource != nullptr ? r.*f.numberSource : timeZone, f.range);
        case LineKind::kDigits:
            return DigitFieldText(r.*f.numberSource);
        case LineKind::kYesNo:
            return {std::string(YesNoText(r.*f.yesNoSource)), std::nullopt};
    }
    return {{}, ChartEncodeProblem::OutOfRange};
}

std::array<LineText, kChartFileLineCount> LineTexts(const BirthRecord& r, int timeZone) {
    std::array<LineText, kChartFileLineCount> texts;
    for (std::size_t i = 0; i < kLines.size(); ++i) texts[i] = LineTextOf(kLines[i], r, timeZone);
    return texts;
}

constexpr std::string_view kUtcOffsetKey = "utc_offset=";
constexpr std::string_view kZoneKey = "tz=";
constexpr std::string_view kEngineKey = "engine=";
constexpr std::string_view kAyanamsaKey = "ayanamsa=";
constexpr std::string_view kNodeKey = "node=";

/// The lines after the seventeenth that this program writes, with what each sets, in words.
struct ExtraKey {
    std::string_view key;
    std::string_view setting;
};
constexpr std::array<ExtraKey, 5> kExtraKeys{{
    {kUtcOffsetKey, "offset"},
    {kZoneKey, "time zone"},
    {kEngineKey, "engine"},
    {kAyanamsaKey, "ayanamsa"},
    {kNodeKey, "node"},
}};

/// The setting an extra line gives, by its key; empty for a line of no known key.
std::string_view SettingOf(std::string_view line) {
    for (const ExtraKey& extra : kExtraKeys) {
        if (line.starts_with(extra.key)) return extra.setting;
    }
    return {};
}
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

/// The extra lines of the chart's engine and options, before the shift: only what is not the
/// default, and an ayanamsa only where the precise engine used it.
std::vector<std::string> OptionLines(const ChartOptions& options) {
    std::vector<std::string> lines;
    const ChartOptions defaults;
    if (options.engine != defaults.engine) {
        lines.push_back(std::string(kEngineKey) + std::string(EngineName(options.engine)));
    }
    if (options.engine == Engine::kPrecise && options.ayanamsa != defaults.ayanamsa) {
        lines.push_back(std::string(kAyanamsaKey) + std::string(AyanamsaKey(options.ayanamsa)));
    }
    if (options.node != defaults.node) {
        lines.push_back(std::string(kNodeKey) + std::string(LunarNodeKey(options.node)));
    }
    return lines;
}

/// Reads an engine, ayanamsa or node line into `value`; the damage when it repeats its key
/// or names nothing known. A line damaged otherwise counts as seen, so that a later one for
/// the same setting is a repeat.
template <typename Value, typename Parse>
std::optional<ChartDamage::Kind> RestoreOption(std::string_view text, bool usable,
                                               std::optional<Value>& value, bool& seen,
                                               Parse&& parse) {
    if (seen) return ChartDamage::Kind::kRepeated;
    seen = true;
    if (!usable) return ChartDamage::Kind::kUnreadable;
    value = parse(text);
    if (!value) return ChartDamage::Kind::kUnreadable;
    return std::nullopt;
}

/// Reads one line after the seventeenth into the exact zone. A key already seen, or a
/// value that does not parse, is damage; a line of any other form is ignored, so that a
/// later writer may add lines.
std::optional<ChartDamage::Kind> RestoreExtraLine(std::string_view v, ChartFileContents& out) {
    if (v.starts_with(kUtcOffsetKey)) {
        if (out.utcOffsetMinutes) return ChartDamage::Kind::kRepeated;
        out.utcOffsetMinutes = ParseUtcOffset(v.substr(kUtcOffsetKey.size()));
        if (!out.utcOffsetMinutes) return ChartDamage::Kind::kUnreadable;
    } else if (v.starts_with(kZoneKey)) {
        if (out.tz) return ChartDamage::Kind::kRepeated;
        const std::string_view name = v.substr(kZoneKey.size());
        if (!IsZoneName(name)) return ChartDamage::Kind::kUnreadable;
        // The writer puts the zone after its offset; a zone alone tells nothing exact.
        if (!out.utcOffsetMinutes) return ChartDamage::Kind::kZoneWithoutOffset;
        out.tz = std::string(name);
    }
    return std::nullopt;
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

/// Restores one of the seventeen lines; false when it holds nothing its field can show.
bool RestoreLine(const LineFormat& f, std::string_view v, ChartFileContents& out) {
    switch (f.kind) {
        case LineKind::kText:
            return (out.*f.text = ParseFieldText(v)).has_value();
        case LineKind::kDigits:
            return (out.*f.text = ParseDigitField(v)).has_value();
        case LineKind::kListEntry:
            return (out.*f.number = ParseListEntry(v, f.range)).has_value();
        case LineKind::kNumber:
            return (out.*f.number = ParseNumberAllowingLeadingZeros(v, f.range)).has_value();
        case LineKind::kYesNo:
            return (out.*f.yesNo = ParseYesNo(v)).has_value();
    }
    return false;
}

}  // namespace

std::string_view ChartLineLabel(ChartLine line) {
    const auto index = static_cast<std::size_t>(line);
    return index < kLines.size() ? kLines[index].label : std::string_view("field");
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
                                  const ChartExactZone& exact, ChartOptions options) {
    const auto lines = LineTexts(record, timeZonePosition);
    std::vector<std::string> extra = ExactZoneLines(exact);
    for (std::string& line : OptionLines(options)) extra.push_back(std::move(line));
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

ChartFileReading ReadChartFileContents(std::string_view bytes) {
    ChartFileReading reading;
    ChartFileContents& out = reading.contents;
    if (bytes.size() > kChartFileMaxBytes) {
        return reading;
    }
    std::string_view rest = bytes;
    std::size_t i = 0;
    bool engineSeen = false;
    bool ayanamsaSeen = false;
    bool nodeSeen = false;
    for (; !rest.empty(); ++i) {
        const std::string_view line = TakeLine(rest);
        const std::size_t number = i + 1;
        // The writer only makes bytes of 85 and up; a lower one means the line was made
        // or changed by something else. A text keeps what the shift leaves of it, as long
        // as something is left; a list or yes/no value is not guessed at.
        const auto low = std::count_if(line.begin(), line.end(), [](char ch) {
            return static_cast<unsigned char>(ch) < kLowestShiftedByte;
        });
        const bool usable = low == 0 || (i < kChartFileLineCount && IsTextLine(kLines[i]) &&
                                         static_cast<std::size_t>(low) < line.size());
        if (i < kChartFileLineCount) {
            if ((!usable || !RestoreLine(kLines[i], UnscrambleText(line), out)) &&
                !reading.damage) {
                reading.damage = ChartDamage{number, ChartDamage::Kind::kUnreadable};
            }
            continue;
        }
        // Each setting after the seventeen stands alone: a damaged line costs only its own,
        // told apart by its key even where its value was damaged.
        const std::string text = UnscrambleText(line);
        const std::string_view v = text;
        std::optional<ChartDamage::Kind> problem;
        std::optional<ChartDamage>* first = &reading.strayDamage;
        if (v.starts_with(kEngineKey)) {
            first = &reading.engineDamage;
            problem =
                RestoreOption(v.substr(kEngineKey.size()), usable, out.engine, engineSeen, ParseEngine);
        } else if (v.starts_with(kAyanamsaKey)) {
            first = &reading.ayanamsaDamage;
            problem = RestoreOption(v.substr(kAyanamsaKey.size()), usable, out.ayanamsa,
                                    ayanamsaSeen, ParseAyanamsa);
        } else if (v.starts_with(kNodeKey)) {
            first = &reading.nodeDamage;
            problem = RestoreOption(v.substr(kNodeKey.size()), usable, out.node, nodeSeen,
                                    ParseLunarNode);
        } else if (v.starts_with(kUtcOffsetKey) || v.starts_with(kZoneKey)) {
            first = &reading.extraDamage;
            problem = usable ? RestoreExtraLine(v, out) : ChartDamage::Kind::kUnreadable;
        } else if (!usable) {
            problem = ChartDamage::Kind::kUnreadable;
        }
        if (problem && !*first) *first = ChartDamage{number, *problem, SettingOf(v)};
    }
    if (i < kChartFileLineCount && !reading.damage) {
        reading.damage = ChartDamage{i + 1, ChartDamage::Kind::kMissing};
    }
    // Damaged extra lines give no exact zone at all: the row of line 7 is then the zone,
    // never a mix of a valid line and whatever a bad one left.
    if (reading.extraDamage) {
        out.utcOffsetMinutes.reset();
        out.tz.reset();
    }
    if (reading.engineDamage) out.engine.reset();
    if (reading.ayanamsaDamage) out.ayanamsa.reset();
    if (reading.nodeDamage) out.node.reset();
    return reading;
}

ChartFileContents DecodeChartFile(std::string_view bytes) {
    return ReadChartFileContents(bytes).contents;
}

std::string DescribeChartDamage(const ChartDamage& damage) {
    const std::string number = std::to_string(damage.line);
    if (!damage.setting.empty()) {
        const std::string line = "the " + std::string(damage.setting) + " line (line " + number + ")";
        switch (damage.kind) {
            case ChartDamage::Kind::kRepeated:
                return line + " repeats an earlier one";
            case ChartDamage::Kind::kZoneWithoutOffset:
                return line + " has no offset line before it";
            case ChartDamage::Kind::kMissing:
            case ChartDamage::Kind::kUnreadable:
                break;
        }
        return line + " cannot be read";
    }
    const std::string field =
        damage.line >= 1 && damage.line <= kChartFileLineCount
            ? " (" + std::string(ChartLineLabel(static_cast<ChartLine>(damage.line - 1))) + ")"
            : std::string();
    switch (damage.kind) {
        case ChartDamage::Kind::kMissing:
            return "it ends before line " + number + field;
        case ChartDamage::Kind::kUnreadable:
            return "line " + number + field + " cannot be read";
        case ChartDamage::Kind::kRepeated:
            return "line " + number + " repeats a setting of an earlier line";
        case ChartDamage::Kind::kZoneWithoutOffset:
            return "line " + number + " names a time zone without its offset";
    }
    return "line " + number + " cannot be read";
}

}  // namespace tamovid
