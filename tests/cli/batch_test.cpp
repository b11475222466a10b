#include "tamovid/cli/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <sstream>
#include <thread>

#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/cli/exit_codes.h"
#include "tamovid/cli/json_writer.h"
#include "tamovid/cli/place_fields.h"
#include "tamovid/cli/reading_output.h"
#include "tamovid/positions/utc_offset.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kHeader = "name,date,time,zone,dst,lat,lon,city,state,country\n";
constexpr const char* kPuneRow =
    "Ravi Kumar,1975-12-03,10:30,34,0,18N31,73E51,Pune,Maharashtra,India\n";

struct BatchRun {
    BatchResult result;
    std::vector<Json> lines;
};

BatchRun RunCsv(const std::string& csv) {
    std::istringstream in(csv);
    std::ostringstream out;
    BatchRun run{RunBatch(in, out), {}};
    std::istringstream written(out.str());
    for (std::string line; std::getline(written, line);) run.lines.push_back(Json::parse(line));
    return run;
}

struct HeaderCase {
    const char* label;
    std::string csv;
    const char* error;
};

class BadHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(BadHeader, StopsTheBatchAsAUsageError) {
    const BatchRun run = RunCsv(GetParam().csv);
    EXPECT_EQ(run.result.exitCode, kExitUsage);
    EXPECT_EQ(run.result.error, GetParam().error);
    EXPECT_TRUE(run.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Csv, BadHeader,
    testing::Values(
        HeaderCase{"EmptyInput", "", "the CSV input is empty; it needs a header row"},
        HeaderCase{"UnknownColumn", "name,date,time,zone,lat,lon,latitude\n",
                   "unknown column \"latitude\" in the CSV header (known: name, date, time, zone, "
                   "dst, lat, lon, city, state, country, place, tz, utc_offset)"},
        HeaderCase{"DuplicateColumn", "date,time,zone,lat,lon,date\n",
                   "the column \"date\" appears twice in the CSV header"},
        HeaderCase{"MissingLongitude", "name,date,time,zone,lat\n",
                   "the CSV header lacks the column \"lon\""},
        HeaderCase{"BrokenQuote", "\"date,time\n",
                   "the CSV header cannot be read: a quoted field is not closed"}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return info.param.label; });

TEST(Batch, AFailingRowInTheMiddleIsReportedAndTheBatchGoesOn) {
    const BatchRun run =
        RunCsv(std::string(kHeader) + kPuneRow +
               ",1975-12-03,10:30,34,0,18N31,73E51,Pune,Maharashtra,India\n" +
               "Ann,1975-02-30,10:30,34,0,18N31,73E51,Pune,Maharashtra,India\n" +
               "Ann,1975-12-03,10:30,34,0,18N31,73E51,Pune,Maharashtra\n" +
               "Ann,1975-12-03,10:30,99,0,18N31,73E51,Pune,Maharashtra,India\n" +
               "Ann,1975-12-03,10:30,34,0,95N00,73E51,Pune,Maharashtra,India\n" + kPuneRow);
    EXPECT_EQ(run.result.exitCode, kExitOk);
    EXPECT_EQ(run.result.rows, 7u);
    EXPECT_EQ(run.result.failedRows, 5u);
    ASSERT_EQ(run.lines.size(), 7u);
    const std::vector<Json> errors = {
        {{"row", 2}, {"error", "Please Enter Your Name"}},
        {{"row", 3}, {"name", "Ann"}, {"error", "Please Enter Correct Date Or Month!"}},
        {{"row", 4}, {"name", "Ann"}, {"error", "expected 10 fields as in the header, found 9"}},
        {{"row", 5}, {"name", "Ann"}, {"error", "zone: the time-zone row must lie between 0 and 70"}},
        {{"row", 6}, {"name", "Ann"}, {"error", "Please Enter Correct Degree of Latitude"}},
    };
    for (std::size_t i = 0; i < errors.size(); ++i) EXPECT_EQ(run.lines[i + 1], errors[i]);
    EXPECT_EQ(run.lines[0]["row"], 1);
    EXPECT_EQ(run.lines[6]["row"], 7);
    Json first = run.lines[0];
    Json last = run.lines[6];
    first.erase("row");
    last.erase("row");
    EXPECT_EQ(first, last);
}

TEST(Batch, ColumnOrderAndOptionalColumnsDoNotChangeTheReading) {
    const BatchRun full = RunCsv(std::string(kHeader) + kPuneRow);
    const BatchRun shuffled = RunCsv(
        "\xEF\xBB\xBF"
        "country, lon ,lat,zone,time,date,name,state,city\r\n"
        "India,73E51,18N31,34,10:30,1975-12-03,Ravi Kumar,Maharashtra,\"Pune\"\r\n");
    ASSERT_EQ(full.lines.size(), 1u);
    ASSERT_EQ(shuffled.lines.size(), 1u);
    EXPECT_EQ(full.lines[0], shuffled.lines[0]);
}

// A spreadsheet's header ("Date,Time,...") was refused, decimal degrees were refused, and a
// header without the text columns that the help calls optional failed every row.
TEST(Batch, HeaderInAnyCaseDecimalDegreesAndStandInsForAbsentTextColumns) {
    const BatchRun full = RunCsv(std::string(kHeader) + kPuneRow);
    const BatchRun bare = RunCsv("DATE,Time,zone,LAT,Lon\n1975-12-03,10:30,34,18.52,73.85\n");
    ASSERT_EQ(bare.lines.size(), 1u);
    EXPECT_EQ(bare.result.failedRows, 0u) << bare.lines[0];
    EXPECT_EQ(bare.result.notices.at(0),
              "the CSV header has no name, city, state and country columns: each row takes the "
              "name \"Unnamed\", the city \"Unknown\", the state \"Unknown\" and the country "
              "\"Unknown\"");
    EXPECT_EQ(bare.lines[0]["name"], "Unnamed");
    for (const char* same : {"lat", "lon", "ut", "sun", "ascendant", "points"}) {
        EXPECT_EQ(bare.lines[0][same], full.lines[0][same]) << same;
    }
    EXPECT_TRUE(full.result.notices.empty());
}

// Row 53 is already Pacific Daylight Time: the box adds the hour a second time, as the window
// does, and now says so in the row and once on standard error.
TEST(Batch, DaylightBoxOnADaylightRowWarns) {
    const BatchRun run = RunCsv(std::string(kHeader) +
                                "Maria,1982-07-31,6:05,53,1,34N03,118W15,Los Angeles,California,USA\n"
                                "Maria,1982-07-31,6:05,53,0,34N03,118W15,Los Angeles,California,USA\n");
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0]["warning"],
              "the daylight-saving box is set on zone row 53 (Pacific Daylight Time), which already "
              "includes the daylight hour: the chart counts that hour twice, as the window does");
    EXPECT_FALSE(run.lines[1].contains("warning"));
    EXPECT_EQ(run.result.notices,
              std::vector<std::string>{"warning: 1 row sets the daylight-saving box on a zone row "
                                       "that already includes the daylight hour (see its "
                                       "\"warning\")"});
}

TEST(Batch, BlankLinesAreSkippedAndNotCounted) {
    const BatchRun run = RunCsv(std::string(kHeader) + "\n" + kPuneRow + "\r\n\n" + kPuneRow);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[1]["row"], 2);
}

TEST(Batch, HeaderOnlyAnswersNothing) {
    const BatchRun run = RunCsv(kHeader);
    EXPECT_EQ(run.result.exitCode, kExitOk);
    EXPECT_EQ(run.result.rows, 0u);
}

TEST(Batch, AnOverlongRowIsAnErrorRow) {
    const BatchRun run = RunCsv(std::string(kHeader) + std::string(100'000, 'x') + "\n" + kPuneRow);
    ASSERT_EQ(run.lines.size(), 2u);
    EXPECT_EQ(run.lines[0], (Json{{"row", 1}, {"error", "the row is longer than 65536 bytes"}}));
    EXPECT_EQ(run.lines[1]["row"], 2);
}

TEST(Batch, ANameThatIsNotUtf8StillGivesValidJson) {
    const BatchRun run =
        RunCsv(std::string(kHeader) +
               "Ana\xFF,1975-12-03,10:30,34,0,18N31,73E51,Pune,Maharashtra,India\n");
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.lines[0]["name"], "Ana\xEF\xBF\xBD");
}

TEST(Batch, AnErrorQuotingBytesThatAreNotUtf8StillGivesValidJson) {
    const BatchRun run =
        RunCsv(std::string(kHeader) + "Ana,19\xFF,10:30,34,0,18N31,73E51,Pune,Maharashtra,India\n");
    ASSERT_EQ(run.lines.size(), 1u);
    EXPECT_EQ(run.lines[0]["error"], "date: expected YYYY-MM-DD, got \"19\xEF\xBF\xBD\"");
}

class FailingSink : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(Batch, CrOnlyLineEndsSeparateRows) {
    std::string csv = std::string(kHeader) + kPuneRow + kPuneRow;
    std::replace(csv.begin(), csv.end(), '\n', '\r');
    const BatchRun run = RunCsv(csv);
    EXPECT_EQ(run.result.exitCode, kExitOk) << run.result.error;
    ASSERT_EQ(run.lines.size(), 2U);
    EXPECT_EQ(run.lines[1]["row"], 2);
    EXPECT_FALSE(run.lines[1].contains("error")) << run.lines[1].dump();
}

/// The given text, then zeros for ever: a line that never ends, as /dev/zero piped in.
class ThenEndlessZeros : public std::streambuf {
public:
    explicit ThenEndlessZeros(std::string start) : start_(std::move(start)) {
        setg(start_.data(), start_.data(), start_.data() + start_.size());
    }

protected:
    int_type underflow() override {
        setg(zeros_.data(), zeros_.data(), zeros_.data() + zeros_.size());
        return traits_type::to_int_type(zeros_[0]);
    }

private:
    std::string start_;
    std::array<char, 4096> zeros_{};
};

TEST(Batch, AnEndlessLineIsReportedThenStopsTheBatch) {
    ThenEndlessZeros source(std::string(kHeader) + kPuneRow);
    std::istream in(&source);
    std::ostringstream out;
    const BatchResult result = RunBatch(in, out);
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_NE(result.error.find("with no end"), std::string::npos) << result.error;
    EXPECT_EQ(result.rows, 2U);  // the Pune row, then the endless one reported as too long
    EXPECT_NE(out.str().find("\"row\":2,\"error\":\"the row is longer than"), std::string::npos)
        << out.str();
}

TEST(Batch, AFailedWriteStopsTheBatchAsAnIoError) {
    std::istringstream in(std::string(kHeader) + kPuneRow + kPuneRow);
    FailingSink sink;
    std::ostream out(&sink);
    const BatchResult result = RunBatch(in, out);
    EXPECT_EQ(result.exitCode, kExitIoError);
    EXPECT_EQ(result.error, "cannot write the output");
    EXPECT_EQ(result.rows, 1u);
}

/// Takes what is written slowly, as a pipe to a slow reader does, and fails once it has
/// taken `limit` bytes.
class SlowSink : public std::streambuf {
public:
    explicit SlowSink(std::size_t limit) : limit_(limit) {}
    const std::string& text() const { return text_; }

protected:
    int_type overflow(int_type c) override {
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* data, std::streamsize n) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        if (text_.size() + static_cast<std::size_t>(n) > limit_) return 0;
        text_.append(data, static_cast<std::size_t>(n));
        return n;
    }

private:
    std::size_t limit_;
    std::string text_;
};

// An output slower than the rows makes the reading side write blocks of lines itself: the
// lines must still come in row order, each as the row alone gives it, and a write that
// fails must still stop the batch.
TEST(Batch, AnOutputThatFallsBehindKeepsTheRowsInOrder) {
    const std::array<std::string, 4> rows = {
        kPuneRow,
        "Ann,1975-02-30,10:30,34,0,18N31,73E51,Pune,Maharashtra,India\n",
        "Maria,1982-07-31,6:05,53,1,34N03,118W15,Los Angeles,California,USA\n",
        "Bo,2001-09-11,23:59,0,0,-33.87,151.21,Sydney,NSW,Australia\n",
    };
    std::array<std::string, rows.size()> alone;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::istringstream in(kHeader + rows[i]);
        std::ostringstream out;
        RunBatch(in, out);
        alone[i] = out.str().substr(std::string_view("{\"row\":1").size());
    }
    constexpr std::size_t kRows = 2000;
    std::string csv = kHeader;
    std::string expected;
    for (std::size_t row = 1; row <= kRows; ++row) {
        csv += rows[(row - 1) % rows.size()];
        expected += "{\"row\":" + std::to_string(row) + alone[(row - 1) % rows.size()];
    }
    struct Case {
        std::size_t limit;
        int exitCode;
    };
    for (const Case c : {Case{SIZE_MAX, kExitOk}, Case{expected.size() / 2, kExitIoError}}) {
        SlowSink sink(c.limit);
        std::ostream out(&sink);
        std::istringstream in(csv);
        const BatchResult result = RunBatch(in, out);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.error;
        if (c.exitCode == kExitOk) {
            EXPECT_EQ(result.rows, kRows);
            EXPECT_EQ(sink.text(), expected);
        } else {
            EXPECT_EQ(expected.compare(0, sink.text().size(), sink.text()), 0);
        }
    }
}

TEST(CoordinateText, PadsMinutesAndFitsTheWidestNumbers) {
    EXPECT_EQ(CoordinateText(28, 9, true, 'N', 'S'), "28N09");
    EXPECT_EQ(CoordinateText(118, 15, false, 'E', 'W'), "118W15");
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(CoordinateText(kMin, kMin, true, 'N', 'S'), "-2147483648N0-2147483648");
}

// The reading as a json value, member by member: what the writer's text must equal.
Json ReferenceJson(const Reading& reading, std::size_t row) {
    const BirthRecord& r = reading.record;
    const AprakashaResult& g = reading.grahas;
    const std::array<std::string, kAprakashaPointCount> positions = PointTexts(g);
    Json points = Json::array();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const AprakashaGraha& p = g.points[i];
        points.push_back({{"name", p.name},
                          {"position", positions[i]},
                          {"lord", p.lord},
                          {"house", p.house},
                          {"description", p.description},
                          {"interpretation", p.interpretation}});
    }
    auto six = [](double x) {
        const double rounded = std::round(x * 1e6) / 1e6;
        return rounded >= 360 ? rounded - 360 : rounded;
    };
    Json json = Json::object();
    json["row"] = row;
    json["name"] = r.strName;
    json["city"] = r.strCity;
    json["state"] = r.strState;
    json["country"] = r.strCountry;
    json["lat"] = CoordinateText(r.intLatDeg, r.intLatMin, !r.blnSouth, 'N', 'S');
    json["lon"] = CoordinateText(r.intLonDeg, r.intLonMin, r.blnEast, 'E', 'W');
    json["tz"] = reading.birth.zoneName.empty() ? Json() : Json(reading.birth.zoneName);
    json["zone_row"] = reading.birth.TableRow() ? Json(*reading.birth.TableRow()) : Json();
    json["dst"] = r.blnDST;
    json["utc_offset"] = UtcOffsetText(RecordOffsetMinutes(r));
    json["ut"] = UniversalTimeText(r);
    json["sun"] = CompactText(reading.sun);
    json["ascendant"] = CompactText(reading.ascendant);
    json["sun_longitude"] = six(reading.sun.longitude);
    json["ascendant_longitude"] = six(reading.ascendant.longitude);
    json["engine"] = EngineName(reading.options.engine);
    json["points"] = std::move(points);
    return json;
}

// The writer must give exactly what the json value gives, whatever the chart.
TEST(ReadingJsonWriter, WritesTheSameTextAsTheJsonValueForEveryHouse) {
    ReadingJsonWriter writer;
    std::set<int> housesSeen;
    for (int i = 0; i < 400; ++i) {
        BirthEntry entry;
        entry.txtName = i % 7 == 0 ? "Quote \" and \\ and \xC3\xA9" : "Person";
        entry.tz = i % 5 == 0 ? "Asia/Kolkata" : "";
        if (i % 11 == 0) entry.utcOffsetMinutes = 345;
        entry.cboYear = i % 150;
        entry.cboMonth = i % 12;
        entry.cboDate = i % 28;
        entry.cboHour = i % 25;
        entry.cboMinute = (i * 7) % 60;
        entry.cboTimeZone = i % 71;
        entry.txtLatDeg = std::to_string(i % 70);
        entry.txtLatMin = "0";
        entry.txtLonDeg = std::to_string(i % 180);
        entry.txtLonMin = "30";
        entry.txtCity = entry.txtState = entry.txtCountry = "X";
        const Reading reading = Calculate(testing_support::BirthOf(entry));
        for (const AprakashaGraha& p : reading.grahas.points) housesSeen.insert(p.house);
        std::string text;
        writer.Append(text, reading, i);
        ASSERT_EQ(text, JsonText(ReferenceJson(reading, static_cast<std::size_t>(i))))
            << "chart " << i;
    }
    EXPECT_EQ(housesSeen.size(), 12u);
}

struct StringCase {
    const char* name;
    std::string text;
};

// Strings and numbers written by hand must read as the library writes them, broken
// UTF-8 included.
TEST(JsonWriter, WritesStringsAndNumbersAsTheJsonLibraryDoes) {
    const std::array<StringCase, 12> strings = {{
        {"Plain", "Pune"},
        {"Escapes", "\" \\ \b \f \n \r \t"},
        {"OtherControls", std::string("\x01\x1F\0x", 4)},
        {"Delete", "\x7F"},
        {"TwoThreeFourBytes", "\xC3\xA9 \xE0\xA4\x85 \xF0\x9F\x98\x80"},
        {"Overlong", "a\xC0\xAF" "b"},
        {"Surrogate", "\xED\xA0\x80"},
        {"PastUnicode", "\xF4\x90\x80\x80"},
        {"LoneContinuation", "\x80x"},
        {"CutAtTheEnd", "ab\xE0\xA4"},
        {"CutInTheMiddle", "\xE0\xA4x\xC3"},
        {"Empty", ""},
    }};
    for (const StringCase& c : strings) {
        std::string text;
        JsonWriter(text).String(c.text);
        EXPECT_EQ(text, JsonText(Json(c.text))) << c.name;
    }
    for (const double x : {0.0, 120.0, 0.0001, 0.000001, 359.999999, 257.808043, 1e20, -0.5}) {
        std::string text;
        JsonWriter(text).Number(x);
        EXPECT_EQ(text, JsonText(Json(x))) << x;
    }
}

}  // namespace
}  // namespace tamovid::cli
