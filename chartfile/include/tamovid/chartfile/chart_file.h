#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tamovid/choices/chart_options.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/result.h"

namespace tamovid {

/// A chart file holds exactly this many lines, each shifted and ended by CR LF.
inline constexpr std::size_t kChartFileLineCount = 17;

/// The largest chart file that is written or read. A real chart needs a few hundred
/// bytes; anything bigger is not a chart, and reading stops well before memory matters.
inline constexpr std::size_t kChartFileMaxBytes = 16 * 1024;

/// The lines of a chart file, in file order.
enum class ChartLine : std::uint8_t {
    Name,
    Month,
    Date,
    Year,
    Hour,
    Minute,
    TimeZone,
    LonDeg,
    LonMin,
    LatDeg,
    LatMin,
    East,
    South,
    Dst,
    City,
    State,
    Country,
};

/// Lower-case words for the field a line holds, for messages ("name", "latitude degrees").
std::string_view ChartLineLabel(ChartLine line);

/// What a chart file restores. Each member is empty when its line is missing or holds
/// nothing the matching input control could show; that control is then left empty.
/// Bytes below the shifted range are dropped from a text line (the name, the coordinates,
/// the place) as the text shift drops them; any other line holding one is unusable. Names and
/// places come back exactly as stored, refused only for a control character; which letters a field
/// accepts is the form's rule, not the file's, so a chart written from any record reads back whole.
struct ChartFileContents {
    std::optional<std::string> name;    ///< UTF-8, as stored
    std::optional<int> month;           ///< 1..12
    std::optional<int> date;            ///< 1..31, stored exactly as the day list's text
    std::optional<int> year;            ///< 1901..2050, stored exactly as the year list's text
    std::optional<int> hour;            ///< 0..24, stored exactly as the hour list's text
    std::optional<int> minute;          ///< 0..59, stored exactly as the minute list's text
    std::optional<int> timeZone;        ///< time-zone list position 0..70
    std::optional<std::string> lonDeg;  ///< 1 to 3 ASCII digits, kept as text
    std::optional<std::string> lonMin;
    std::optional<std::string> latDeg;
    std::optional<std::string> latMin;
    std::optional<bool> east;
    std::optional<bool> south;
    std::optional<bool> dst;
    std::optional<std::string> city;  ///< UTF-8, as stored (may be empty)
    std::optional<std::string> state;
    std::optional<std::string> country;
    /// From the lines after the seventeenth, written only for a chart whose offset no
    /// zone row gives: the exact offset (local minus UT, minutes) and the place's zone.
    std::optional<int> utcOffsetMinutes;
    std::optional<std::string> tz;
    /// From the lines after the seventeenth, written only when not the default (classic,
    /// Lahiri, mean node): the engine, and what the precise chart was computed with.
    std::optional<Engine> engine;
    std::optional<AyanamsaChoice> ayanamsa;
    std::optional<LunarNode> node;

    friend bool operator==(const ChartFileContents&, const ChartFileContents&) = default;
};

/// Why a chart cannot be written without losing part of it.
enum class ChartEncodeProblem : std::uint8_t {
    NotInCodePage,     ///< a character with no Windows-1252 byte (or text not valid UTF-8)
    LostByShift,       ///< a character of code 171 or above, which the text shift drops
    ControlCharacter,  ///< a control character, which no input field can hold
    OutOfRange,        ///< a number the matching list or digit field cannot show
    TooLong,           ///< the file would exceed kChartFileMaxBytes
};

struct ChartEncodeError {
    ChartLine line;
    ChartEncodeProblem problem;

    friend bool operator==(const ChartEncodeError&, const ChartEncodeError&) = default;
};

/// An English sentence for the user, naming the field: "The city holds a character ...".
std::string DescribeChartEncodeError(const ChartEncodeError& error);

/// The whole file content, or the first line that cannot be stored losslessly.
using ChartEncodeResult = Result<std::string, ChartEncodeError>;

/// A chart's exact offset from UT when no zone row gives it, and the place's zone.
struct ChartExactZone {
    std::optional<int> utcOffsetMinutes;  ///< nothing: the row and the box give the offset
    std::string tz;                       ///< IANA name, or empty
};

/// Encodes a chart: the 17 lines of the record's values (texts trimmed of blanks,
/// numbers in plain decimal, booleans as "True"/"False"), each shifted and ended by
/// CR LF. Refuses, naming the line, any value that would not read back as written.
/// With an exact offset, the lines "utc_offset=+05:45" and "tz=Asia/Kathmandu" follow,
/// shifted alike; a reader that takes 17 lines uses the row in line 7 instead. Then the
/// precise engine ("engine=precise") with an ayanamsa other than Lahiri ("ayanamsa=raman"),
/// and the true node ("node=true"). The classic engine has its own ayanamsa, so its charts
/// name none.
ChartEncodeResult EncodeChartFile(const BirthRecord& record, int timeZonePosition,
                                  const ChartExactZone& exact = {}, ChartOptions options = {});

/// What is wrong with one line of a chart file.
struct ChartDamage {
    enum class Kind : std::uint8_t {
        kMissing,            ///< the file ends before this line
        kUnreadable,         ///< the line holds nothing its field can show
        kRepeated,           ///< a later line gives a setting again
        kZoneWithoutOffset,  ///< a zone line with no offset line before it
    };
    std::size_t line;  ///< 1-based
    Kind kind;
    /// For a line after the seventeenth, what it sets ("ayanamsa"); empty where the line's
    /// key cannot be read.
    std::string_view setting{};

    friend bool operator==(const ChartDamage&, const ChartDamage&) = default;
};

/// "it ends before line 9 (longitude minutes)", "line 5 (hour) cannot be read",
/// "the ayanamsa line (line 20) cannot be read".
std::string DescribeChartDamage(const ChartDamage& damage);

/// A chart file's contents with what was found wrong in them.
struct ChartFileReading {
    ChartFileContents contents;
    /// The first of the seventeen lines that is missing or cannot be read: the file is
    /// damaged and no chart should be made of it.
    std::optional<ChartDamage> damage;
    /// The first damaged offset or zone line. The two belong together, so both are then
    /// left out and the zone comes from the seventeen lines alone.
    std::optional<ChartDamage> extraDamage;
    /// An engine, ayanamsa or node line that cannot be read or repeats its key. That
    /// setting alone is then left out; the rest stands.
    std::optional<ChartDamage> engineDamage;
    std::optional<ChartDamage> ayanamsaDamage;
    std::optional<ChartDamage> nodeDamage;
    /// The first damaged line after the seventeen whose key cannot be read: it is left out
    /// and costs nothing else.
    std::optional<ChartDamage> strayDamage;
};

/// Decodes a chart file's bytes and says which line, if any, is damaged. Lines end at
/// CR LF, LF or CR; the first 17 fill the contents, a missing or unusable line leaving its
/// member empty. Later lines of the form "key=value" give the exact zone, the ayanamsa
/// and the node; unknown keys are ignored. A text larger than kChartFileMaxBytes restores nothing.
ChartFileReading ReadChartFileContents(std::string_view bytes);

/// The contents alone, for callers that judge them field by field.
ChartFileContents DecodeChartFile(std::string_view bytes);

}  // namespace tamovid
