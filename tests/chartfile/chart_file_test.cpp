#include "tamovid/chartfile/chart_file.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <functional>
#include <iterator>
#include <random>
#include <ostream>
#include <string>
#include <vector>

#include "tamovid/chartfile/text_shift.h"
#include "tamovid/test_support/delhi_1947_record.h"
#include "tamovid/test_support/error_of.h"

namespace tamovid {
namespace {

constexpr int kIndianTimePosition = 34;

using testing_support::Delhi1947Record;
using testing_support::ErrorOf;

ChartFileContents SampleContents() {
    return {"Jawahar Lal", 8,       15,      1947,         0,           0,     kIndianTimePosition,
            "77",          "13",    "28",    "39",         true,        false, false,
            "New Delhi",   "Delhi", "India", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt};
}

/// What reading back a written record must give.
ChartFileContents ContentsOf(const BirthRecord& r, int zone) {
    const auto trimmed = [](const std::string& s) {
        const auto first = s.find_first_not_of(' ');
        return first == std::string::npos ? std::string()
                                          : s.substr(first, s.find_last_not_of(' ') - first + 1);
    };
    return {trimmed(r.strName),
            r.intMonth,
            r.intDate,
            r.intYear,
            r.intHour,
            r.intMinute,
            zone,
            std::to_string(r.intLonDeg),
            std::to_string(r.intLonMin),
            std::to_string(r.intLatDeg),
            std::to_string(r.intLatMin),
            r.blnEast,
            r.blnSouth,
            r.blnDST,
            trimmed(r.strCity),
            trimmed(r.strState),
            trimmed(r.strCountry),
            std::nullopt,
            std::nullopt, std::nullopt, std::nullopt, std::nullopt};
}

std::string ReadTestData(const std::string& name) {
    std::ifstream in(std::string(TAMOVID_CHARTFILE_TEST_DATA) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::array<std::string, kChartFileLineCount> SampleValueTexts() {
    return {"Jawahar Lal", "8",  "15",   "1947",  "0",     "0",         "34",    "77",   "13",
            "28",          "39", "True", "False", "False", "New Delhi", "Delhi", "India"};
}

/// The sample file with one line's stored bytes replaced as given.
std::string SampleWithRawLine(ChartLine line, const std::string& rawBytes) {
    std::string file;
    const auto values = SampleValueTexts();
    for (std::size_t i = 0; i < values.size(); ++i) {
        file += i == static_cast<std::size_t>(line) ? rawBytes : ScrambleText(values[i]);
        file += "\r\n";
    }
    return file;
}

/// One restored member as text, so that rows of different types share one table.
std::string Restored(const ChartFileContents& c, ChartLine line) {
    const auto show = [](const auto& value) -> std::string {
        if (!value) {
            return "<absent>";
        }
        using T = std::decay_t<decltype(*value)>;
        if constexpr (std::is_same_v<T, bool>) {
            return *value ? "yes" : "no";
        } else if constexpr (std::is_same_v<T, int>) {
            return std::to_string(*value);
        } else {
            return *value;
        }
    };
    switch (line) {
        case ChartLine::Name:
            return show(c.name);
        case ChartLine::Month:
            return show(c.month);
        case ChartLine::Date:
            return show(c.date);
        case ChartLine::Year:
            return show(c.year);
        case ChartLine::Hour:
            return show(c.hour);
        case ChartLine::Minute:
            return show(c.minute);
        case ChartLine::TimeZone:
            return show(c.timeZone);
        case ChartLine::LonDeg:
            return show(c.lonDeg);
        case ChartLine::LonMin:
            return show(c.lonMin);
        case ChartLine::LatDeg:
            return show(c.latDeg);
        case ChartLine::LatMin:
            return show(c.latMin);
        case ChartLine::East:
            return show(c.east);
        case ChartLine::South:
            return show(c.south);
        case ChartLine::Dst:
            return show(c.dst);
        case ChartLine::City:
            return show(c.city);
        case ChartLine::State:
            return show(c.state);
        case ChartLine::Country:
            return show(c.country);
    }
    return "?";
}

// ---- Writing ----

TEST(ChartFileEncode, SampleChartMatchesGoldenFileByteForByte) {
    const auto result = EncodeChartFile(Delhi1947Record(), kIndianTimePosition);
    ASSERT_EQ(ErrorOf(result), std::nullopt);
    const std::string golden = ReadTestData("sample.vug");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(result.value(), golden);
}

TEST(ChartFileEncode, EmptyPlaceIsWrittenAsBareLineEnd) {
    BirthRecord r = Delhi1947Record();
    r.strCountry.clear();
    const auto result = EncodeChartFile(r, kIndianTimePosition);
    ASSERT_EQ(ErrorOf(result), std::nullopt);
    const std::string& bytes = result.value();
    EXPECT_EQ(bytes.substr(bytes.size() - 5), ScrambleText("i") + "\r\n\r\n");
}

TEST(ChartFileEncode, NameAndPlacesLoseSurroundingBlanksOnly) {
    BirthRecord r = Delhi1947Record();
    r.strName = "  Jawahar  Lal ";
    r.strCity = " New Delhi";
    const auto decoded = DecodeChartFile(EncodeChartFile(r, 0).value());
    EXPECT_EQ(decoded.name, "Jawahar  Lal");
    EXPECT_EQ(decoded.city, "New Delhi");
}

using Change = std::function<void(BirthRecord&, int& zone)>;
using R = BirthRecord;

/// Sets one member of the record.
template <typename Member, typename Value>
Change Set(Member R::*member, Value value) {
    return [member, value](BirthRecord& r, int&) { r.*member = value; };
}
/// Sets the time-zone list position.
Change SetZone(int position) {
    return [position](BirthRecord&, int& zone) { zone = position; };
}

struct RefusedRecordCase {
    const char* name;
    Change change;
    ChartEncodeError expected;
};
void PrintTo(const RefusedRecordCase& c, std::ostream* os) { *os << c.name; }

class ChartFileEncodeRefusalTest : public testing::TestWithParam<RefusedRecordCase> {};

TEST_P(ChartFileEncodeRefusalTest, NamesTheFieldAndWritesNothing) {
    BirthRecord r = Delhi1947Record();
    int zone = kIndianTimePosition;
    GetParam().change(r, zone);
    EXPECT_EQ(ErrorOf(EncodeChartFile(r, zone)), GetParam().expected);
}

using P = ChartEncodeProblem;
using L = ChartLine;

const RefusedRecordCase kRefusedRecords[] = {
    {"AccentedNameWouldLoseLetter", Set(&R::strName, "Jos\u00E9"), {L::Name, P::LostByShift}},
    {"GuillemetIsFirstLostCode", Set(&R::strState, "a\u00ABb"), {L::State, P::LostByShift}},
    {"CityOutsideCodePage", Set(&R::strCity, "\u6771\u4EAC"), {L::City, P::NotInCodePage}},
    {"CountryNotValidUtf8", Set(&R::strCountry, "Ind\xFFia"), {L::Country, P::NotInCodePage}},
    {"TabInState", Set(&R::strState, "Del\thi"), {L::State, P::ControlCharacter}},
    {"LineBreakInName", Set(&R::strName, "Ravi\nKumar"), {L::Name, P::ControlCharacter}},
    {"UndefinedByteInCity", Set(&R::strCity, "a\u0081"), {L::City, P::ControlCharacter}},
    {"MonthThirteen", Set(&R::intMonth, 13), {L::Month, P::OutOfRange}},
    {"MonthZero", Set(&R::intMonth, 0), {L::Month, P::OutOfRange}},
    {"DayThirtyTwo", Set(&R::intDate, 32), {L::Date, P::OutOfRange}},
    {"Year1900", Set(&R::intYear, 1900), {L::Year, P::OutOfRange}},
    {"Year2051", Set(&R::intYear, 2051), {L::Year, P::OutOfRange}},
    {"Hour25", Set(&R::intHour, 25), {L::Hour, P::OutOfRange}},
    {"NegativeMinute", Set(&R::intMinute, -1), {L::Minute, P::OutOfRange}},
    {"ZonePosition71", SetZone(71), {L::TimeZone, P::OutOfRange}},
    {"ZonePositionMinusOne", SetZone(-1), {L::TimeZone, P::OutOfRange}},
    {"FourDigitLongitude", Set(&R::intLonDeg, 1000), {L::LonDeg, P::OutOfRange}},
    {"NegativeLatitudeMinutes", Set(&R::intLatMin, -5), {L::LatMin, P::OutOfRange}},
    {"NameTooLongToReadBack",
     Set(&R::strName, std::string(kChartFileMaxBytes, 'a')),
     {L::Name, P::TooLong}},
};

INSTANTIATE_TEST_SUITE_P(Records, ChartFileEncodeRefusalTest, testing::ValuesIn(kRefusedRecords),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartFileEncode, ErrorMessageNamesTheField) {
    EXPECT_EQ(DescribeChartEncodeError({ChartLine::City, ChartEncodeProblem::NotInCodePage}),
              "The city holds a character that a chart file cannot store.");
    EXPECT_EQ(DescribeChartEncodeError({ChartLine::LatDeg, ChartEncodeProblem::OutOfRange}),
              "The latitude degrees is outside the range that a chart file can hold.");
}

// ---- Round trips ----

struct RoundTripCase {
    const char* name;
    Change change;
};
void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class ChartFileRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(ChartFileRoundTripTest, ReadsBackEveryField) {
    BirthRecord r = Delhi1947Record();
    int zone = kIndianTimePosition;
    GetParam().change(r, zone);
    const auto written = EncodeChartFile(r, zone);
    ASSERT_EQ(ErrorOf(written), std::nullopt);
    EXPECT_EQ(DecodeChartFile(written.value()), ContentsOf(r, zone));
}

INSTANTIATE_TEST_SUITE_P(
    Records, ChartFileRoundTripTest,
    testing::Values(RoundTripCase{"Sample", [](BirthRecord&, int&) {}},
                    RoundTripCase{"LowestValues",
                                  [](BirthRecord& r, int& zone) {
                                      r.intDate = 1, r.intMonth = 1, r.intYear = 1901,
                                      r.intHour = 0;
                                      r.intMinute = 0, zone = 0;
                                      r.intLonDeg = r.intLonMin = r.intLatDeg = r.intLatMin = 0;
                                  }},
                    RoundTripCase{"HighestValues",
                                  [](BirthRecord& r, int& zone) {
                                      r.intDate = 31, r.intMonth = 12, r.intYear = 2050,
                                      r.intHour = 24;
                                      r.intMinute = 59, zone = 70;
                                      r.intLonDeg = r.intLonMin = r.intLatDeg = r.intLatMin = 999;
                                  }},
                    RoundTripCase{"WestSouthWithDaylightSaving",
                                  [](BirthRecord& r, int&) {
                                      r.blnEast = false, r.blnSouth = true, r.blnDST = true;
                                  }},
                    RoundTripCase{"EmptyPlaces",
                                  [](BirthRecord& r, int&) {
                                      r.strCity.clear(), r.strState.clear(), r.strCountry.clear();
                                  }},
                    RoundTripCase{"EmptyName", Set(&R::strName, "")},
                    RoundTripCase{"WesternCharactersBelow171",
                                  Set(&R::strName, "\u0160tefan O'Brien-\u2122 \u00AA")},
                    RoundTripCase{"LongestNameThatFits",
                                  Set(&R::strName, std::string(kChartFileMaxBytes - 200, 'x'))}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Reading ----

TEST(ChartFileDecode, GoldenFileRestoresEveryLine) {
    EXPECT_EQ(DecodeChartFile(ReadTestData("sample.vug")), SampleContents());
}

TEST(ChartFileDecode, EmptyFileRestoresNothing) {
    EXPECT_EQ(DecodeChartFile(""), ChartFileContents{});
}

TEST(ChartFileDecode, ShortFileRestoresWhatItHas) {
    const std::string golden = ReadTestData("sample.vug");
    std::string firstFive;
    std::size_t pos = 0;
    for (int line = 0; line < 5; ++line) {
        pos = golden.find("\r\n", pos) + 2;
    }
    firstFive = golden.substr(0, pos);
    ChartFileContents expected;
    expected.name = "Jawahar Lal";
    expected.month = 8;
    expected.date = 15;
    expected.year = 1947;
    expected.hour = 0;
    EXPECT_EQ(DecodeChartFile(firstFive), expected);
    // The same without the last line end: the unfinished line still counts.
    EXPECT_EQ(DecodeChartFile(firstFive.substr(0, firstFive.size() - 2)), expected);
}

TEST(ChartFileDecode, LinesBeyondSeventeenAreIgnored) {
    EXPECT_EQ(DecodeChartFile(ReadTestData("sample.vug") + ScrambleText("extra") + "\r\n"),
              SampleContents());
}

struct LineEndCase {
    const char* name;
    std::string lineEnd;
};
void PrintTo(const LineEndCase& c, std::ostream* os) { *os << c.name; }

class ChartFileLineEndTest : public testing::TestWithParam<LineEndCase> {};

TEST_P(ChartFileLineEndTest, AnyLineEndSeparatesLines) {
    std::string file;
    for (const auto& value : SampleValueTexts()) {
        file += ScrambleText(value) + GetParam().lineEnd;
    }
    EXPECT_EQ(DecodeChartFile(file), SampleContents());
}

INSTANTIATE_TEST_SUITE_P(Ends, ChartFileLineEndTest,
                         testing::Values(LineEndCase{"CrLf", "\r\n"}, LineEndCase{"Lf", "\n"},
                                         LineEndCase{"Cr", "\r"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartFileDecode, LfCrIsTwoLineEnds) {
    // An LF followed by CR ends one line and then an empty one, which shifts the rest.
    const std::string file = ScrambleText("Ravi") + "\n\r" + ScrambleText("8") + "\r\n";
    const auto decoded = DecodeChartFile(file);
    EXPECT_EQ(decoded.name, "Ravi");
    EXPECT_EQ(decoded.month, std::nullopt);  // the empty second line
    EXPECT_EQ(decoded.date, 8);              // "8" moved down to the day's line
}

struct BadFileCase {
    const char* name;
    std::string bytes;
};
void PrintTo(const BadFileCase& c, std::ostream* os) { *os << c.name; }

class ChartFileBadFileTest : public testing::TestWithParam<BadFileCase> {};

TEST_P(ChartFileBadFileTest, RestoresNothing) {
    EXPECT_EQ(DecodeChartFile(GetParam().bytes), ChartFileContents{});
}

std::string RandomBytes(std::size_t count) {
    std::mt19937 random(12345);
    std::string bytes(count, '\0');
    for (auto& b : bytes) {
        b = static_cast<char>(random() % 85);  // below the shifted range, CR and LF included
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ChartFileBadFileTest,
    testing::Values(BadFileCase{"LargerThanLimit", ReadTestData("sample.vug") +
                                                       std::string(kChartFileMaxBytes, '\xAA')},
                    BadFileCase{"LineOfAMegabyte", std::string(1 << 20, '\xB6') + "\r\n"},
                    BadFileCase{"BinaryBelowShiftedRange", RandomBytes(4000)},
                    BadFileCase{
                        "PlainTextNeverShifted",
                        "Jawahar Lal\r\n8\r\n15\r\n1947\r\n0\r\n0\r\n34\r\n77\r\n13\r\n28\r\n39\r\n"
                        "True\r\nFalse\r\nFalse\r\nNew Delhi\r\nDelhi\r\nIndia\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartFileDecode, ArbitraryBinaryNeverCrashes) {
    std::mt19937 random(2024);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 600, '\0');
        for (auto& b : bytes) {
            b = static_cast<char>(random());
        }
        const auto decoded = DecodeChartFile(bytes);
        if (decoded.month) {
            EXPECT_GE(*decoded.month, 1);
            EXPECT_LE(*decoded.month, 12);
        }
        if (decoded.timeZone) {
            EXPECT_LE(*decoded.timeZone, 70);
        }
    }
}

struct LineCase {
    const char* name;
    ChartLine line;
    std::string stored;  // the line's bytes as they are in the file
    std::string restored;
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

LineCase Shifted(const char* name, ChartLine line, const std::string& value,
                 const std::string& restored) {
    return {name, line, ScrambleText(value), restored};
}

class ChartFileLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ChartFileLineTest, RestoresLineOrMarksItUnusable) {
    const auto& c = GetParam();
    const auto decoded = DecodeChartFile(SampleWithRawLine(c.line, c.stored));
    EXPECT_EQ(Restored(decoded, c.line), c.restored);
    // Every other line is unaffected.
    for (std::size_t i = 0; i < kChartFileLineCount; ++i) {
        const auto other = static_cast<ChartLine>(i);
        if (other != c.line) {
            EXPECT_EQ(Restored(decoded, other), Restored(SampleContents(), other)) << "line " << i;
        }
    }
}

constexpr const char* kAbsent = "<absent>";

INSTANTIATE_TEST_SUITE_P(
    Lines, ChartFileLineTest,
    testing::Values(
        Shifted("MonthThirteen", L::Month, "13", kAbsent),
        Shifted("MonthZero", L::Month, "0", kAbsent),
        Shifted("MonthWithLeadingZero", L::Month, "03", "3"),
        Shifted("MonthNotANumber", L::Month, "abc", kAbsent),
        Shifted("MonthEmpty", L::Month, "", kAbsent),
        Shifted("MonthNegative", L::Month, "-3", kAbsent),
        Shifted("MonthWithBlank", L::Month, " 3", kAbsent),
        Shifted("MonthHuge", L::Month, "99999999999999999999", kAbsent),
        Shifted("DayWithLeadingZeroMatchesNoEntry", L::Date, "07", kAbsent),
        Shifted("Day31", L::Date, "31", "31"), Shifted("Day32", L::Date, "32", kAbsent),
        Shifted("Day0", L::Date, "0", kAbsent), Shifted("Year1900", L::Year, "1900", kAbsent),
        Shifted("Year2050", L::Year, "2050", "2050"),
        Shifted("YearFraction", L::Year, "1947.5", kAbsent), Shifted("Hour24", L::Hour, "24", "24"),
        Shifted("Hour25", L::Hour, "25", kAbsent), Shifted("Minute59", L::Minute, "59", "59"),
        Shifted("Minute60", L::Minute, "60", kAbsent),
        Shifted("MinuteWithPlusSign", L::Minute, "+5", kAbsent),
        Shifted("ZoneZero", L::TimeZone, "0", "0"), Shifted("Zone70", L::TimeZone, "70", "70"),
        Shifted("Zone71", L::TimeZone, "71", kAbsent),
        Shifted("ZoneMinusOne", L::TimeZone, "-1", kAbsent),
        Shifted("ZoneWithLeadingZeros", L::TimeZone, "007", "7"),
        Shifted("ZoneHuge", L::TimeZone, "4294967330", kAbsent),
        Shifted("LongitudeThreeDigits", L::LonDeg, "999", "999"),
        Shifted("LongitudeLeadingZerosKeptAsText", L::LonDeg, "007", "007"),
        Shifted("LongitudeFourDigits", L::LonDeg, "1000", kAbsent),
        Shifted("LongitudeEmpty", L::LonDeg, "", kAbsent),
        Shifted("LongitudeMinutesWithLetter", L::LonMin, "1a", kAbsent),
        Shifted("LatitudeNegative", L::LatDeg, "-5", kAbsent),
        Shifted("LatitudeMinutesDecimal", L::LatMin, "3.5", kAbsent),
        Shifted("EastTrue", L::East, "True", "yes"), Shifted("EastFalse", L::East, "False", "no"),
        Shifted("EastMinusOne", L::East, "-1", "yes"), Shifted("EastZero", L::East, "0", "no"),
        Shifted("SouthFraction", L::South, "0.5", "yes"),
        Shifted("SouthZeroFraction", L::South, "-0.00", "no"),
        Shifted("SouthLongNumber", L::South, "000000000000000000000000001", "yes"),
        Shifted("DstLowerCaseTrue", L::Dst, "true", kAbsent),
        Shifted("DstYes", L::Dst, "Yes", kAbsent), Shifted("DstEmpty", L::Dst, "", kAbsent),
        Shifted("DstSignOnly", L::Dst, "-", kAbsent), Shifted("DstPointOnly", L::Dst, ".", kAbsent),
        Shifted("DstExponent", L::Dst, "1e3", kAbsent),
        Shifted("DstTwoPoints", L::Dst, "1.2.3", kAbsent),
        Shifted("NameKeptAsStored", L::Name, " O'Brien ", " O'Brien "),
        Shifted("NameWesternCharacter", L::Name,
                "\x8A"
                "tefan",
                "\u0160tefan"),
        Shifted("NameWithControlCharacter", L::Name, "Ra\tvi", kAbsent),
        Shifted("NameWithUndefinedByte", L::Name, "Ra\x81vi", kAbsent),
        Shifted("CityEmpty", L::City, "", ""), Shifted("StateEmpty", L::State, "", ""),
        Shifted("CountryWithDel", L::Country, "Ind\x7Fia", kAbsent),
        LineCase{"NameWithUnshiftedByteKeepsTheRest", L::Name, ScrambleText("Ravi") + "!", "Ravi"},
        LineCase{"NameOfUnshiftedBytesOnly", L::Name, "!?", kAbsent},
        LineCase{"LongitudeWithUnshiftedByte", L::LonDeg, "7" + ScrambleText("77"), "77"},
        LineCase{"YesNoWithUnshiftedByte", L::East, ScrambleText("True") + "1", kAbsent},
        LineCase{"MonthWithNul", L::Month, std::string("\x8C\0", 2), kAbsent},
        LineCase{"CityTypedInPlainText", L::City, "Pune", kAbsent}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tamovid

namespace tamovid {
namespace {

TEST(ChartFileExactZone, ExtraLinesFollowTheSeventeenAndReadBack) {
    const BirthRecord record = Delhi1947Record();
    const std::string plain = EncodeChartFile(record, kIndianTimePosition).value();
    const std::string exact =
        EncodeChartFile(record, kIndianTimePosition, {345, "Asia/Kathmandu"}).value();
    // The first seventeen lines are the plain chart's, so a reader of 17 lines sees the row.
    ASSERT_EQ(exact.substr(0, plain.size()), plain);
    EXPECT_EQ(exact.substr(plain.size()), ScrambleText("utc_offset=+05:45") + "\r\n" +
                                              ScrambleText("tz=Asia/Kathmandu") + "\r\n");

    ChartFileContents expected = SampleContents();
    expected.utcOffsetMinutes = 345;
    expected.tz = "Asia/Kathmandu";
    EXPECT_EQ(DecodeChartFile(exact), expected);
    EXPECT_EQ(DecodeChartFile(plain), SampleContents());
}

TEST(ChartFileExactZone, UnknownExtraLinesAreIgnored) {
    const std::string exact =
        EncodeChartFile(Delhi1947Record(), kIndianTimePosition, {345, "Asia/Kathmandu"}).value();
    const auto reading =
        ReadChartFileContents(exact + ScrambleText("colour=blue") + "\r\n" + ScrambleText("x"));
    EXPECT_EQ(reading.damage, std::nullopt);
    EXPECT_EQ(reading.extraDamage, std::nullopt);
    EXPECT_EQ(reading.contents.utcOffsetMinutes, 345);
}

struct DamageCase {
    const char* name;
    std::string bytes;
    std::optional<ChartDamage> damage;
    std::optional<ChartDamage> extraDamage;
};
void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

std::string Extra(std::initializer_list<const char*> lines) {
    std::string bytes = EncodeChartFile(Delhi1947Record(), kIndianTimePosition).value();
    for (const char* line : lines) bytes += ScrambleText(line) + "\r\n";
    return bytes;
}

struct OptionsCase {
    const char* name;
    ChartOptions options;
    const char* lines;  // what follows the seventeen, before the shift
    Engine engine = Engine::kPrecise;
};
void PrintTo(const OptionsCase& c, std::ostream* os) { *os << c.name; }

class ChartFileOptionsTest : public testing::TestWithParam<OptionsCase> {};

TEST_P(ChartFileOptionsTest, FollowTheExactZoneOnlyWhenNotTheDefaultAndReadBack) {
    const OptionsCase& c = GetParam();
    const BirthRecord record = Delhi1947Record();
    const std::string zoned =
        EncodeChartFile(record, kIndianTimePosition, {345, "Asia/Kathmandu"}).value();
    ChartOptions options = c.options;
    options.engine = c.engine;
    const std::string bytes =
        EncodeChartFile(record, kIndianTimePosition, {345, "Asia/Kathmandu"}, options).value();
    ASSERT_EQ(bytes.substr(0, zoned.size()), zoned);
    std::string expected;
    for (std::string_view rest = c.lines; !rest.empty();) {
        const auto end = rest.find('\n');
        expected += ScrambleText(rest.substr(0, end)) + "\r\n";
        rest.remove_prefix(end + 1);
    }
    EXPECT_EQ(bytes.substr(zoned.size()), expected);
    const ChartFileContents contents = DecodeChartFile(bytes);
    EXPECT_EQ(contents.ayanamsa.value_or(AyanamsaChoice::kLahiri),
              c.engine == Engine::kPrecise ? c.options.ayanamsa : AyanamsaChoice::kLahiri);
    EXPECT_EQ(contents.node.value_or(LunarNode::kMean), c.options.node);
    EXPECT_EQ(contents.engine.value_or(Engine::kClassic), c.engine);
    EXPECT_EQ(contents.utcOffsetMinutes, 345);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ChartFileOptionsTest,
    testing::Values(
        OptionsCase{"Defaults", {}, "", Engine::kClassic},
        OptionsCase{"PreciseLahiri", {}, "engine=precise\n"},
        OptionsCase{"Raman", OptionsFor(Engine::kClassic, AyanamsaChoice::kRaman),
                    "engine=precise\nayanamsa=raman\n"},
        OptionsCase{"TrueChitraTrueNode",
                    OptionsFor(Engine::kClassic, AyanamsaChoice::kTrueChitra, LunarNode::kTrue),
                    "engine=precise\nayanamsa=true-chitra\nnode=true\n"},
        // The classic engine has its own ayanamsa: a chart of it names none.
        OptionsCase{"ClassicWithRamanChosen",
                    OptionsFor(Engine::kClassic, AyanamsaChoice::kRaman, LunarNode::kTrue),
                    "node=true\n", Engine::kClassic}),
    [](const auto& info) { return std::string(info.param.name); });

// An option this program does not know costs that option alone: the exact zone and the
// other option stand, and nothing of the seventeen is called damaged.
TEST(ChartFileOptions, UnknownOrRepeatedValueFallsBackAloneAndIsNamed) {
    const auto reading = ReadChartFileContents(
        Extra({"utc_offset=+05:45", "ayanamsa=fagan", "node=true", "node=mean"}));
    EXPECT_EQ(reading.damage, std::nullopt);
    EXPECT_EQ(reading.extraDamage, std::nullopt);
    EXPECT_EQ(reading.ayanamsaDamage, (ChartDamage{19, ChartDamage::Kind::kUnreadable, "ayanamsa"}));
    EXPECT_EQ(reading.nodeDamage, (ChartDamage{21, ChartDamage::Kind::kRepeated, "node"}));
    EXPECT_EQ(reading.contents.ayanamsa, std::nullopt);
    EXPECT_EQ(reading.contents.node, std::nullopt);
    EXPECT_EQ(reading.contents.utcOffsetMinutes, 345);
}

using K = ChartDamage::Kind;

// A damaged ayanamsa line once took the exact zone before it with it (Kathmandu's +05:45
// became +05:30). Each extra line now costs its own setting alone, known by its key even when
// its value holds a byte no writer makes; a line with no readable key costs nothing.
TEST(ChartFileOptions, EachDamagedLineCostsOnlyItsOwnSetting) {
    const auto reading =
        ReadChartFileContents(Extra({"utc_offset=+05:45", "tz=Asia/Kathmandu", "engine=precise"}) +
                              ScrambleText("ayanamsa=ra") + '\x01' + ScrambleText("man") + "\r\n" +
                              ScrambleText("node=true") + "\r\n" + "\x02\x03\r\n");
    EXPECT_EQ(reading.extraDamage, std::nullopt);
    EXPECT_EQ(reading.ayanamsaDamage, (ChartDamage{21, K::kUnreadable, "ayanamsa"}));
    EXPECT_EQ(reading.strayDamage, (ChartDamage{23, K::kUnreadable, ""}));
    EXPECT_EQ(reading.contents.utcOffsetMinutes, 345);
    EXPECT_EQ(reading.contents.tz, "Asia/Kathmandu");
    EXPECT_EQ(reading.contents.engine, Engine::kPrecise);
    EXPECT_EQ(reading.contents.ayanamsa, std::nullopt);
    EXPECT_EQ(reading.contents.node, LunarNode::kTrue);
    EXPECT_EQ(DescribeChartDamage(*reading.ayanamsaDamage),
              "the ayanamsa line (line 21) cannot be read");
    // The offset and its zone stay bound: a damaged zone line drops the offset too.
    const auto zone = ReadChartFileContents(Extra({"utc_offset=+05:45"}) + ScrambleText("tz=Asia") +
                                            '\x01' + "\r\n" + ScrambleText("engine=precise") + "\r\n");
    EXPECT_EQ(zone.extraDamage, (ChartDamage{19, K::kUnreadable, "time zone"}));
    EXPECT_EQ(zone.contents.utcOffsetMinutes, std::nullopt);
    EXPECT_EQ(zone.contents.engine, Engine::kPrecise);
}

class ChartFileDamageTest : public testing::TestWithParam<DamageCase> {};

// A damaged extra line must take the whole exact zone with it: a later bad offset line
// once replaced an earlier valid one, and a half-read zone is a wrong birth time.
TEST_P(ChartFileDamageTest, NamesTheFirstDamagedLine) {
    const auto reading = ReadChartFileContents(GetParam().bytes);
    EXPECT_EQ(reading.damage, GetParam().damage);
    EXPECT_EQ(reading.extraDamage, GetParam().extraDamage);
    if (reading.extraDamage) {
        EXPECT_EQ(reading.contents.utcOffsetMinutes, std::nullopt);
        EXPECT_EQ(reading.contents.tz, std::nullopt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, ChartFileDamageTest,
    testing::Values(
        DamageCase{"WellFormed", ReadTestData("sample.vug"), std::nullopt, std::nullopt},
        DamageCase{"PieceOfSixtyBytes", ReadTestData("sample.vug").substr(0, 60),
                   ChartDamage{13, K::kUnreadable}, std::nullopt},
        DamageCase{"EndsAfterTwelveLines", ReadTestData("sample.vug").substr(0, 58),
                   ChartDamage{13, K::kMissing}, std::nullopt},
        DamageCase{"UnreadableHour", SampleWithRawLine(ChartLine::Hour, ScrambleText("x")),
                   ChartDamage{5, K::kUnreadable}, std::nullopt},
        DamageCase{"LaterBadOffset", Extra({"utc_offset=+05:45", "utc_offset=+5:45"}), std::nullopt,
                   ChartDamage{19, K::kRepeated, "offset"}},
        DamageCase{"UnparseableOffset", Extra({"utc_offset=+16:00"}), std::nullopt,
                   ChartDamage{18, K::kUnreadable, "offset"}},
        DamageCase{"RepeatedZone",
                   Extra({"utc_offset=+05:45", "tz=Asia/Kathmandu", "tz=Asia/Kolkata"}),
                   std::nullopt, ChartDamage{20, K::kRepeated, "time zone"}},
        DamageCase{"ZoneNameWithPath", Extra({"utc_offset=+05:45", "tz=../../etc/passwd"}),
                   std::nullopt, ChartDamage{19, K::kUnreadable, "time zone"}},
        DamageCase{"ZoneWithoutOffset", Extra({"tz=Asia/Kathmandu"}), std::nullopt,
                   ChartDamage{18, K::kZoneWithoutOffset, "time zone"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartFileDamage, DescriptionNamesTheLineAndItsField) {
    EXPECT_EQ(DescribeChartDamage({9, K::kMissing}), "it ends before line 9 (longitude minutes)");
    EXPECT_EQ(DescribeChartDamage({5, K::kUnreadable}), "line 5 (hour) cannot be read");
}

}  // namespace
}  // namespace tamovid
