#include "tamovid/cli/run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/atlas/atlas.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/place_zone.h"
#include "tamovid/chartfile/chart_file.h"
#include "tamovid/base/file_io.h"
#include "tamovid/cli/exit_codes.h"
#include "tamovid/test_support/delhi_1947_record.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Cli(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "tamovid-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

const std::vector<std::string> kPuneOptions = {
    "--date", "1975-12-03", "--time",  "10:30",       "--zone",    "34",
    "--lat",  "18N31",      "--lon",   "73E51",       "--name",    "Ravi Kumar",
    "--city", "Pune",       "--state", "Maharashtra", "--country", "India"};

/// The Pune chart's options with some values replaced and other arguments added.
std::vector<std::string> PuneWith(std::vector<std::string> more) {
    std::vector<std::string> args = kPuneOptions;
    for (std::size_t i = 0; i < more.size(); ++i) {
        const auto same = std::find(args.begin(), args.end(), more[i]);
        if (same != args.end() && more[i].starts_with("--") && i + 1 < more.size()) {
            *(same + 1) = more[++i];
        } else {
            args.push_back(more[i]);
        }
    }
    return args;
}

/// A folder of its own for each test, removed afterwards.
class CliFiles : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::path(testing::TempDir()) / (std::string("tamovid_cli_") + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

struct StatusCase {
    const char* label;
    std::vector<std::string> args;
    int status;
    const char* errorStart;  // the first line on standard error
};

class ExitStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatus, MatchesTheOutcome) {
    const Outcome outcome = Cli(GetParam().args);
    EXPECT_EQ(outcome.status, GetParam().status) << outcome.err;
    EXPECT_EQ(outcome.err.substr(0, outcome.err.find('\n')), GetParam().errorStart);
    if (GetParam().status != kExitOk) {
        EXPECT_EQ(outcome.out, "");
    }
    if (GetParam().status == kExitUsage) {
        EXPECT_NE(outcome.err.find("\nUsage: tamovid-cli"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ExitStatus,
    testing::Values(
        StatusCase{"Computed", kPuneOptions, kExitOk, ""},
        StatusCase{"ComputedAsJson", PuneWith({"--json"}), kExitOk, ""},
        StatusCase{"Help", {"--help"}, kExitOk, ""},
        StatusCase{"Version", {"--version"}, kExitOk, ""},
        StatusCase{"MissingNameIsRefusedLikeTheWindow",
                   {"--date", "1975-12-03", "--time", "10:30", "--zone", "34", "--lat", "18N31",
                    "--lon", "73E51"},
                   kExitRefused,
                   "tamovid-cli: Please Enter Your Name"},
        StatusCase{"ImpossibleDateIsRefusedLikeTheWindow", PuneWith({"--date", "1975-09-31"}),
                   kExitRefused, "tamovid-cli: Please Enter Correct Date Or Month !"},
        StatusCase{"LongitudeBeyond180IsRefused", PuneWith({"--lon", "180E01"}), kExitRefused,
                   "tamovid-cli: Please Enter Correct Degree of Longitude"},
        StatusCase{"NoChartAtAll", {}, kExitUsage, "tamovid-cli: --date: required, but not given"},
        StatusCase{"MalformedTime", PuneWith({"--time", "10.30"}), kExitUsage,
                   "tamovid-cli: --time: expected HH:MM, got \"10.30\""},
        StatusCase{"YearOutsideTheList", PuneWith({"--date", "1850-01-01"}), kExitUsage,
                   "tamovid-cli: --date: the year must lie between 1901 and 2050"},
        StatusCase{"UnknownOption", PuneWith({"--house", "3"}), kExitUsage,
                   "tamovid-cli: The following arguments were not expected: 3 --house"},
        StatusCase{"OptionsWithOpen", PuneWith({"--open", "x.vug"}), kExitUsage,
                   "tamovid-cli: --date excludes --open"},
        StatusCase{"BatchWithSave",
                   {"--batch", "-", "--save", "x.vug"},
                   kExitUsage,
                   "tamovid-cli: --save excludes --batch"},
        StatusCase{"PlaceThatMatchesNothing",
                   {"--date", "1975-12-03", "--time", "10:30", "--name", "A", "--place", "Qzxqzx"},
                   kExitRefused,
                   "tamovid-cli: No place in the atlas matches \"Qzxqzx\"."},
        StatusCase{"ClockTimeThatDidNotExist",
                   {"--date", "1975-02-23", "--time", "2:30", "--name", "A", "--place", "New York"},
                   kExitRefused,
                   "tamovid-cli: There was no 02:30 on 23 February 1975 in America/New_York: the "
                   "clocks went forward from 02:00 to 03:00. Give the offset to use with "
                   "--utc-offset."},
        StatusCase{"ClockTimeThatHappenedTwice",
                   {"--date", "1975-10-26", "--time", "1:30", "--name", "A", "--place", "New York"},
                   kExitRefused,
                   "tamovid-cli: The clock time 01:30 on 26 October 1975 happened twice in "
                   "America/New_York: first as daylight time (UTC-04:00), then as standard time "
                   "(UTC-05:00). Give the offset to use with --utc-offset."},
        StatusCase{"UnknownTimeZone", PuneWith({"--tz", "Mars/Olympus"}), kExitRefused,
                   "tamovid-cli: Unknown time zone \"Mars/Olympus\"."},
        StatusCase{"LocaltimeIsNoZoneOfTheDatabase", PuneWith({"--tz", "localtime"}), kExitRefused,
                   "tamovid-cli: Unknown time zone \"localtime\"."},
        StatusCase{"FileOfTheDatabaseThatIsNoZone", PuneWith({"--tz", "leapseconds"}),
                   kExitRefused, "tamovid-cli: Unknown time zone \"leapseconds\"."},
        // Every name of the database is a zone, not only Area/Location ones.
        StatusCase{"ZoneOutsideTheAreas", PuneWith({"--tz", "UTC"}), kExitOk, ""},
        StatusCase{"ZoneAlias", PuneWith({"--tz", "US/Eastern"}), kExitOk, ""},
        StatusCase{"ZoneOfAFixedOffset", PuneWith({"--tz", "Etc/GMT-5"}), kExitOk, ""},
        StatusCase{"ZoneOfAPosixRule", PuneWith({"--tz", "EST5EDT"}), kExitOk, ""},
        StatusCase{"SaveUnderANameOpenRefuses", PuneWith({"--save", "out.txt"}), kExitUsage,
                   "tamovid-cli: --save: the file name must end in .vug"},
        StatusCase{
            "ImpossibleDateIsNotCalledAClockGap",
            {"--date", "1960-04-31", "--time", "01:30", "--name", "A", "--place", "Cairo, Egypt"},
            kExitRefused,
            "tamovid-cli: Please Enter Correct Date Or Month !"},
        StatusCase{"MalformedUtcOffset", PuneWith({"--utc-offset", "5:45"}), kExitUsage,
                   "tamovid-cli: --utc-offset: expected a sign, two-digit hours and minutes, from "
                   "-15:59 to +15:59 (like +05:45 or -04:30), got \"5:45\""},
        StatusCase{"UtcOffsetBeyondTheLimitIsToldTheLimit", PuneWith({"--utc-offset", "+16:00"}),
                   kExitUsage,
                   "tamovid-cli: --utc-offset: expected a sign, two-digit hours and minutes, from "
                   "-15:59 to +15:59 (like +05:45 or -04:30), got \"+16:00\""},
        StatusCase{"LimitInHexIsRefused",
                   {"--places", "Calcutta", "--limit", "0x10"},
                   kExitUsage,
                   "tamovid-cli: --limit: a plain decimal number is needed, not 0x10"},
        StatusCase{"PdfWithoutTheEnding", PuneWith({"--pdf", "reading.txt"}), kExitUsage,
                   "tamovid-cli: --pdf: the file name must end in .pdf"},
        StatusCase{"BatchWithPdf",
                   {"--batch", "-", "--pdf", "x.pdf"},
                   kExitUsage,
                   "tamovid-cli: --batch excludes --pdf"},
        StatusCase{"OpenWithoutTheEnding",
                   {"--open", "chart.txt"},
                   kExitRefused,
                   "tamovid-cli: Please Check The File."},
        StatusCase{"OpenWithEndingInCapitals",
                   {"--open", "chart.VUG"},
                   kExitRefused,
                   "tamovid-cli: Please Check The File."},
        StatusCase{"BatchFileMissing",
                   {"--batch", "/nonexistent/births.csv"},
                   kExitIoError,
                   "tamovid-cli: cannot read \"/nonexistent/births.csv\": No such file or "
                   "directory"},
        StatusCase{"BatchFromAFolder",
                   {"--batch", "/"},
                   kExitIoError,
                   "tamovid-cli: cannot read \"/\": it is a folder"},
        StatusCase{"BatchFromADeviceThatNeverEnds",
                   {"--batch", "/dev/zero"},
                   kExitIoError,
                   "tamovid-cli: cannot read \"/dev/zero\": it is a device"},
        StatusCase{"AyanamsaWithTheClassicEngine", PuneWith({"--ayanamsa", "raman"}), kExitUsage,
                   "tamovid-cli: --ayanamsa needs --precise: the classic engine has an ayanamsa "
                   "of its own"},
        StatusCase{"UnknownAyanamsaListsEveryKey", PuneWith({"--precise", "--ayanamsa", "fagan"}),
                   kExitUsage,
                   "tamovid-cli: --ayanamsa: unknown ayanamsa \"fagan\" (lahiri, raman, "
                   "krishnamurti, true-chitra, true-pushya or yukteshwar)"},
        StatusCase{"UnknownDivisionalChartListsEveryKey", PuneWith({"--vargas", "D9,D11"}),
                   kExitUsage,
                   "tamovid-cli: --vargas: unknown divisional chart \"D11\": choose all or any "
                   "of D1, D9, D2, D3, D4, D7, D10, D12, D16, D20, D24, D27, D30, D40, D45, "
                   "D60, joined by commas"},
        StatusCase{"DashaYearWithoutTheDasha", PuneWith({"--dasha-year", "julian"}), kExitUsage,
                   "tamovid-cli: --dasha-year needs --dasha"},
        StatusCase{"UnknownDashaYearListsEveryKey",
                   PuneWith({"--dasha", "--dasha-year", "lunar"}), kExitUsage,
                   "tamovid-cli: --dasha-year: unknown year \"lunar\" (sidereal, julian, "
                   "gregorian or savana)"},
        StatusCase{"UnknownNode", PuneWith({"--node", "osculating"}), kExitUsage,
                   "tamovid-cli: --node: \"osculating\" is neither mean nor true"},
        StatusCase{"UnknownSunriseListsEveryKey", PuneWith({"--upagrahas", "--sunrise", "civil"}),
                   kExitUsage,
                   "tamovid-cli: --sunrise: unknown sunrise \"civil\" (hindu or apparent)"},
        StatusCase{"UpagrahaAtNamesEveryPointAndPlace",
                   PuneWith({"--upagrahas", "--upagraha-at", "Gulika=dawn"}), kExitUsage,
                   "tamovid-cli: --upagraha-at: \"Gulika=dawn\" is not NAME=WHERE (Kala, Mrityu, "
                   "Ardhaprahara, Yamaghantaka, Gulika or Mandi=start, middle or end)"},
        StatusCase{"UpagrahaChoiceThatWouldShowNothing",
                   PuneWith({"--upagraha-lords", "seven"}), kExitUsage,
                   "tamovid-cli: --sunrise, --upagraha-lords and --upagraha-at need --upagrahas "
                   "(or --save to keep them in the chart file)"},
        StatusCase{"ControlCharactersInAMessageAreEscaped", PuneWith({"--time", "1\x1b[2J"}),
                   kExitUsage, "tamovid-cli: --time: expected HH:MM, got \"1\\x1B[2J\""}),
    [](const testing::TestParamInfo<StatusCase>& info) { return info.param.label; });

// --help and --version into a full output once reported success.
TEST(Cli, HelpAndVersionThatCannotBeWrittenAreAnIoError) {
    for (const char* flag : {"--help", "--version"}) {
        const char* argv[] = {"tamovid-cli", flag};
        std::istringstream in;
        std::ostream full(nullptr);  // every write fails, as on a full disk
        std::ostringstream err;
        EXPECT_EQ(RunCli(2, argv, in, full, err), kExitIoError) << flag;
        EXPECT_EQ(err.str(), "tamovid-cli: cannot write the output\n");
    }
}

// --help once showed "--limit N:N:UINT in [1 - 10000]" and two ranges of hours.
TEST(Cli, HelpShowsEachOptionsFormOnce) {
    const std::string help = Cli({"--help"}).out;
    EXPECT_NE(help.find("  --limit N "), std::string::npos) << help;
    EXPECT_EQ(help.find("UINT"), std::string::npos);
    EXPECT_EQ(help.find("0..24"), std::string::npos);
}

// An ambiguous place took the first match without a word about the others.
TEST(CliPlaces, AmbiguousPlaceNamesOthersOfTheSameName) {
    const Outcome outcome =
        Cli({"--date", "1975-12-03", "--time", "10:30", "--name", "A", "--place", "Springfield"});
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    EXPECT_TRUE(outcome.err.starts_with("tamovid-cli: \"Springfield\" was taken as Springfield, "))
        << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), ';'), 2) << outcome.err;
    EXPECT_NE(outcome.err.find(" and Springfield, "), std::string::npos) << outcome.err;
    EXPECT_EQ(Cli(PuneWith({"--place", "Pune, India"})).err, "");
}

// A failed output left the user to guess which of the others had been written.
TEST_F(CliFiles, AFailedOutputNamesThoseWrittenBeforeIt) {
    const std::string chart = PathOf("ravi.vug");
    const Outcome outcome =
        Cli(PuneWith({"--save", chart, "--chart", PathOf("missing/ravi.svg")}));
    EXPECT_EQ(outcome.status, kExitIoError);
    EXPECT_NE(outcome.err.find("(written: \"" + chart + "\")"), std::string::npos) << outcome.err;
}

TEST(Cli, TextReadingShowsTheWindowsLinesForEveryPoint) {
    const Outcome outcome = Cli(kPuneOptions);
    ASSERT_EQ(outcome.status, kExitOk);

    const Reading reading = Calculate(testing_support::BirthOf(testing_support::Pune1975()));

    std::string expected =
        "Name:      Ravi Kumar\nBorn:      3 December 1975, 10:30 local clock time\n"
        "Place:     Pune, Maharashtra, India\n"
        "Sun:       " +
        CompactText(reading.sun) + "\nAscendant: " + CompactText(reading.ascendant) + "\n";
    for (const AprakashaPoint point : {kDhuma, kVyatipata, kParivesha, kChapa, kUpaketu}) {
        expected += "\n" + std::string(reading.grahas[point].name) + "\n";
        for (const std::string& line : ResultLines(reading.grahas, point)) expected += line + "\n";
    }
    EXPECT_EQ(outcome.out, expected);
}

// A batch keeps one writer, one output buffer and one line reader for all its rows;
// whatever they carry from row to row must not change a byte of any row's reading.
TEST(Cli, EveryBatchRowIsByteForByteTheChartAlone) {
    constexpr std::array<const char*, 12> kColumns = {
        "name", "date", "time", "zone", "dst", "lat", "lon",
        "city", "state", "country", "tz", "utc-offset"};
    std::vector<std::array<std::string, 12>> births = {
        {"Ravi Kumar", "1975-12-03", "10:30", "34", "0", "18N31", "73E51", "Pune",
         "Maharashtra", "India", "", ""},
        {"Quote \" and \\ \xC3\xA9", "1950-06-15", "23:59", "0", "1", "33S52", "118W15",
         "Sydney, NSW", "State", "Australia", "", ""},
        {"Zone", "1990-07-01", "12:00", "", "", "40N42", "74W00", "New York", "NY", "USA",
         "America/New_York", ""},
        {"Offset", "2000-01-01", "00:00", "", "", "27N42", "85E19", "Kathmandu", "Bagmati",
         "Nepal", "", "+05:45"},
    };
    // The Ascendant round the clock, so that each point stands in every house.
    for (int hour = 0; hour < 24; ++hour) {
        births.push_back({"Hour", "1975-12-03", std::to_string(hour) + ":15", "34", "0", "18N31",
                          "73E51", "Pune", "Maharashtra", "India", "", ""});
    }
    std::string csv = "name,date,time,zone,dst,lat,lon,city,state,country,tz,utc_offset\n";
    for (const auto& birth : births) {
        for (std::size_t i = 0; i < birth.size(); ++i) {
            const std::string& value = birth[i];
            std::string cell = value;
            if (value.find_first_of(",\"") != std::string::npos) {
                cell = "\"";
                for (const char c : value) cell += c == '"' ? std::string("\"\"") : std::string(1, c);
                cell += '"';
            }
            csv += (i == 0 ? "" : ",") + cell;
        }
        csv += '\n';
    }
    const Outcome batch = Cli({"--batch", "-"}, csv);
    ASSERT_EQ(batch.status, kExitOk) << batch.err;
    std::istringstream lines(batch.out);
    for (std::size_t row = 0; row < births.size(); ++row) {
        std::vector<std::string> args = {"--json"};
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            const std::string& value = births[row][i];
            if (value.empty() || (i == 4 && value == "0")) continue;
            args.push_back(std::string("--") + kColumns[i]);
            if (i != 4) args.push_back(value);  // --dst is a flag
        }
        const Outcome alone = Cli(args);
        ASSERT_EQ(alone.status, kExitOk) << row << ": " << alone.err;
        std::string line;
        ASSERT_TRUE(std::getline(lines, line)) << row;
        EXPECT_EQ(line, "{\"row\":" + std::to_string(row + 1) + "," +
                            alone.out.substr(1, alone.out.size() - 2))
            << row;
    }
}

TEST(Cli, JsonReadingParsesBackWithEveryMember) {
    const Outcome outcome = Cli(PuneWith({"--json"}));
    ASSERT_EQ(outcome.status, kExitOk);
    const Json json = Json::parse(outcome.out);
    std::vector<std::string> keys;
    for (const auto& item : json.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"name", "city", "state", "country", "lat", "lon",
                                              "tz", "zone_row", "dst", "utc_offset", "ut", "sun",
                                              "ascendant", "sun_longitude", "ascendant_longitude",
                                              "engine", "points"}));
    EXPECT_EQ(json["name"], "Ravi Kumar");
    EXPECT_EQ(json["tz"], nullptr);                        // typed zone row, no place looked up
    EXPECT_EQ(json["sun"].get<std::string>().size(), 9u);  // "16 Sco 52"
    ASSERT_EQ(json["points"].size(), 5u);
    const std::vector<std::string> names = {"Dhuma", "Vyatipata", "Parivesha", "Chapa", "Upaketu"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const Json& point = json["points"][i];
        EXPECT_EQ(point["name"], names[i]);
        ASSERT_TRUE(point["house"].is_number_integer());
        EXPECT_GE(point["house"].get<int>(), 1);
        EXPECT_LE(point["house"].get<int>(), 12);
        EXPECT_EQ(point["interpretation"],
                  Interpretation(static_cast<AprakashaPoint>(i), point["house"].get<int>()));
        EXPECT_FALSE(point["lord"].get<std::string>().empty());
        EXPECT_FALSE(point["description"].get<std::string>().empty());
        EXPECT_FALSE(point["position"].get<std::string>().empty());
    }
}

TEST(Cli, PreciseEngineIsChosenAloneAndInABatchAndSaysSo) {
    const Outcome classic = Cli(PuneWith({"--json"}));
    const Outcome precise = Cli(PuneWith({"--json", "--precise"}));
    const Outcome batch =
        Cli({"--batch", "-", "--precise"},
            "name,date,time,zone,lat,lon,city,state,country\n"
            "Ravi Kumar,1975-12-03,10:30,34,18N31,73E51,Pune,Maharashtra,India\n");
    ASSERT_EQ(precise.status, kExitOk) << precise.err;
    ASSERT_EQ(batch.status, kExitOk) << batch.err;
    const Json c = Json::parse(classic.out);
    const Json p = Json::parse(precise.out);
    Json b = Json::parse(batch.out);
    b.erase("row");
    EXPECT_EQ(c["engine"], "classic");
    EXPECT_EQ(p["engine"], "precise");
    EXPECT_EQ(b, p);
    // The engines differ by seconds of arc, not by whole degrees.
    EXPECT_NE(p["sun_longitude"], c["sun_longitude"]);
    EXPECT_NEAR(p["sun_longitude"].get<double>(), c["sun_longitude"].get<double>(), 0.05);
    EXPECT_NE(
        Cli(PuneWith({"--precise"}))
            .out.find("Ascendant: " + p["ascendant"].get<std::string>() + "\nEngine:    precise\n"),
        std::string::npos);
}

struct ExtrasCase {
    const char* label;
    std::vector<std::string> more;
    std::size_t grahas;   // entries of "grahas", 0 when absent
    std::size_t bodies;   // entries of "time_window", 0 when absent
    const char* pointer;  // one pinned value
    const char* pinned;
    const char* textHeading;  // the text reading's section
};

class ExtraSections : public testing::TestWithParam<ExtrasCase> {};

TEST_P(ExtraSections, AddToTheReadingAloneAndInABatchAndKeepTheRest) {
    const ExtrasCase& c = GetParam();
    std::vector<std::string> more = c.more;
    more.push_back("--json");
    const Outcome outcome = Cli(PuneWith(more));
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    Json json = Json::parse(outcome.out);
    EXPECT_EQ(json.value("grahas", Json::array()).size(), c.grahas);
    EXPECT_EQ(json.value("time_window", Json::array()).size(), c.bodies);
    EXPECT_EQ(json.at(Json::json_pointer(c.pointer)), c.pinned);
    if (c.grahas > 0) {
        // One Sun per chart: the reading's own.
        EXPECT_EQ(json["grahas"][0]["position"], json["sun"]);
        EXPECT_EQ(json["grahas"][0]["longitude"], json["sun_longitude"]);
        EXPECT_EQ(json["grahas"][8]["name"], "Ketu");
        EXPECT_TRUE(json["points"][4].contains("pada"));
    }
    std::vector<std::string> batchArgs = {"--batch", "-"};
    for (const std::string& arg : c.more) batchArgs.push_back(arg);
    Json batch =
        Json::parse(Cli(batchArgs,
                        "name,date,time,zone,lat,lon,city,state,country\n"
                        "Ravi Kumar,1975-12-03,10:30,34,18N31,73E51,Pune,Maharashtra,India\n")
                        .out);
    batch.erase("row");
    EXPECT_EQ(batch, json);
    // Everything else is the plain reading's, member for member.
    for (const char* key :
         {"ascendant_nakshatra", "ascendant_pada", "ayanamsa", "ayanamsa_name", "node", "ephemeris",
          "grahas", "sign_mates", "time_window", "nearest_house_change", "day", "upagrahas",
          "upagrahas_note", "vargas", "dasha"})
        json.erase(key);
    for (Json& point : json["points"]) {
        point.erase("nakshatra");
        point.erase("pada");
        point.erase("longitude");
    }
    std::vector<std::string> plain = {"--json"};
    for (std::size_t i = 0; i < c.more.size(); ++i) {
        const std::string& a = c.more[i];
        if (a == "--vargas" || a == "--dasha-year" || a == "--sunrise" || a == "--upagraha-lords" ||
            a == "--upagraha-at") {
            ++i;
        } else if (a != "--grahas" && a != "--time-window" && a != "--dasha" &&
                   a != "--upagrahas") {
            plain.push_back(a);
        }
    }
    EXPECT_EQ(json, Json::parse(Cli(PuneWith(plain)).out));
    more.pop_back();
    EXPECT_NE(Cli(PuneWith(more)).out.find(c.textHeading), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ExtraSections,
    testing::Values(
        // 16 Sco 52 is past 16 Sco 40, where Jyeshtha begins.
        ExtrasCase{"Grahas",
                   {"--grahas"},
                   9,
                   0,
                   "/grahas/0/nakshatra",
                   "Jyeshtha",
                   "\nGrahas\nEngine classic, ayanamsa Classic"},
        // Chapa at 0 Lib 12 shares Libra with Venus and Rahu, and neither afflicts it.
        ExtrasCase{
            "SignMates",
            {"--grahas"},
            9,
            0,
            "/sign_mates/3/grahas/0/name",
            "Venus",
            "Chapa      00 Lib 12  Chitra 3; in its sign: Venus 1\u00B055', Rahu 27\u00B004'.\n"},
        ExtrasCase{"GrahasWithAnAyanamsa",
                   {"--grahas", "--precise", "--ayanamsa", "raman", "--node", "true"},
                   9,
                   0,
                   "/ayanamsa_name",
                   "Raman",
                   "Engine:    precise\nAyanamsa:  Raman\n"},
        ExtrasCase{"TimeWindow",
                   {"--time-window"},
                   0,
                   6,
                   "/time_window/0/sign_from",
                   "10:01",
                   "\nBirth-time window"},
        ExtrasCase{"TimeWindowWithTheGrahas",
                   {"--time-window", "--grahas"},
                   9,
                   15,
                   "/nearest_house_change",
                   "A birth 30 minutes earlier moves Dhuma from house 4 to house 5, Vyatipata "
                   "from house 3 to house 4, Parivesha from house 9 to house 10, Chapa from "
                   "house 10 to house 11 and Upaketu from house 10 to house 11.",
                   "\nKetu       sign "},
        // The Sun at 16 Sco 52: Scorpio is fixed, its Navamsas run from Cancer, the sixth
        // (16°40' to 20°) falls in Sagittarius.
        ExtrasCase{"DivisionalChartsInTheOrderNamed",
                   {"--vargas", "d9,D60"},
                   0,
                   0,
                   "/vargas/D9/Sun",
                   "Sagittarius",
                   "\nDivisional charts (the sign of each body)\n           D9   D60\nAscendant  "},
        ExtrasCase{"Dasha",
                   {"--dasha"},
                   0,
                   0,
                   "/dasha/periods/1/start",
                   "1989-10-06T05:11",
                   "\nVimshottari dasha (sidereal years of 365.256363 days; UT)\n"},
        ExtrasCase{"DashaInSavanaYears",
                   {"--dasha", "--dasha-year", "Savana"},
                   0,
                   0,
                   "/dasha/year",
                   "savana",
                   "\nVimshottari dasha (savana years of 360 days; UT)\n"},
        ExtrasCase{"Upagrahas",
                   {"--upagrahas"},
                   0,
                   0,
                   "/day/vara",
                   "Wednesday",
                   "\nUpagrahas\nWednesday, a day birth; sunrise "},
        // Every convention read in any case and named in the day line.
        ExtrasCase{"UpagrahaConventions",
                   {"--upagrahas", "--sunrise", "APPARENT", "--upagraha-lords", "seven",
                    "--upagraha-at", "gulika=Middle"},
                   0,
                   0,
                   "/upagrahas/4/name",
                   "Gulika",
                   "(Almanac sunrise: the disc's centre 50\u2032 below the horizon); Gulika and "
                   "Mandi at the middle of Saturn's portion; the portions under the seven weekday "
                   "lords.\n"}),
    [](const testing::TestParamInfo<ExtrasCase>& info) { return info.param.label; });

// Tromsø at midsummer: the rest of the reading stands, and the six say why they are missing.
TEST(Cli, UpagrahasWhereTheSunDidNotSetSayWhyAloneAndInABatch) {
    const Outcome alone = Cli(PuneWith({"--upagrahas", "--json", "--date", "1990-06-21", "--lat",
                                        "69N39", "--lon", "18E57", "--city", "Tromso"}));
    ASSERT_EQ(alone.status, kExitOk) << alone.err;
    Json json = Json::parse(alone.out);
    EXPECT_TRUE(json["day"].is_null());
    EXPECT_TRUE(json["upagrahas"].is_null());
    EXPECT_EQ(json["upagrahas_note"], "The Sun did not set at Tromso on 21 June 1990");
    Json batch = Json::parse(
        Cli({"--batch", "-", "--upagrahas"},
            "name,date,time,zone,lat,lon,city,state,country\n"
            "Ravi Kumar,1990-06-21,10:30,34,69N39,18E57,Tromso,Maharashtra,India\n")
            .out);
    batch.erase("row");
    EXPECT_EQ(batch, json);
}

TEST_F(CliFiles, SaveThenOpenGivesTheSameReading) {
    const std::string file = PathOf("ravi.vug");
    const Outcome saved = Cli(PuneWith({"--dst", "--json", "--save", file}));
    ASSERT_EQ(saved.status, kExitOk) << saved.err;
    ASSERT_TRUE(fs::exists(file));

    const Outcome opened = Cli({"--open", file, "--json"});
    ASSERT_EQ(opened.status, kExitOk) << opened.err;
    EXPECT_EQ(opened.out, saved.out);

    // Saving the opened chart again writes the same bytes.
    const std::string again = PathOf("again.vug");
    ASSERT_EQ(Cli({"--open", file, "--save", again}).status, kExitOk);
    EXPECT_EQ(ReadChartFile(again).value(), ReadChartFile(file).value());
}

// A chart saved with the precise engine, Raman and the true node opens with them (it once
// opened with the classic engine); an option given with --open wins, and says so.
TEST_F(CliFiles, OpenUsesTheFilesEngineAyanamsaAndNodeUnlessTheCommandLineNamesOne) {
    const std::string file = PathOf("raman.vug");
    const Outcome saved = Cli(PuneWith(
        {"--precise", "--ayanamsa", "raman", "--node", "true", "--grahas", "--json", "--save", file}));
    ASSERT_EQ(saved.status, kExitOk) << saved.err;
    const Outcome reopened = Cli({"--open", file, "--grahas", "--json"});
    EXPECT_EQ(reopened.out, saved.out);
    EXPECT_EQ(reopened.err, "");
    const Outcome lahiri =
        Cli({"--open", file, "--precise", "--ayanamsa", "lahiri", "--grahas", "--json"});
    EXPECT_NE(lahiri.out.find("\"ayanamsa_name\":\"Lahiri\""), std::string::npos);
    EXPECT_NE(lahiri.out.find("\"node\":\"true\""), std::string::npos);
    EXPECT_EQ(lahiri.err, "tamovid-cli: The file \"" + file +
                              "\" was saved with the Raman ayanamsa; this reading uses Lahiri, as "
                              "--ayanamsa asks.\n");
}

// The upagrahas' choices go into the file and come back; one given again on the command
// line wins over the file's.
TEST_F(CliFiles, OpenUsesTheFilesUpagrahaChoicesUnlessTheCommandLineNamesOne) {
    const std::string file = PathOf("six.vug");
    const Outcome saved = Cli(PuneWith({"--upagrahas", "--sunrise", "apparent", "--upagraha-at",
                                        "Mandi=end", "--save", file}));
    ASSERT_EQ(saved.status, kExitOk) << saved.err;
    EXPECT_EQ(Cli({"--open", file, "--upagrahas"}).out, saved.out);
    const Outcome gulika = Cli({"--open", file, "--upagrahas", "--upagraha-at", "gulika=end"});
    EXPECT_NE(gulika.out.find("(Almanac sunrise: the disc's centre 50\u2032 below the horizon); "
                              "Gulika and Mandi at the end of Saturn's portion."),
              std::string::npos)
        << gulika.out;
}

// A zone and an offset that disagree were both written into the reading and the file; a zone
// asked for is refused, and one that came with a place is dropped.
TEST(CliPlaces, ZoneThatDisagreesWithTheOffsetIsRefusedOrNotKept) {
    const Outcome kolkata = Cli(PuneWith({"--tz", "Asia/Kolkata", "--utc-offset", "+05:45"}));
    EXPECT_EQ(kolkata.status, kExitRefused);
    EXPECT_EQ(kolkata.err,
              "tamovid-cli: The offset UTC+05:45 disagrees with the time zone Asia/Kolkata, which "
              "was UTC+05:30 at that date and time. Give the zone or the offset, not both.\n");
    const Outcome agreeing = Cli(PuneWith({"--tz", "Asia/Kolkata", "--utc-offset", "+05:30", "--json"}));
    ASSERT_EQ(agreeing.status, kExitOk) << agreeing.err;
    EXPECT_EQ(Json::parse(agreeing.out)["tz"], "Asia/Kolkata");
    const Outcome berlin = Cli({"--date", "1990-07-01", "--time", "12:00", "--name", "A", "--place",
                                "Berlin", "--utc-offset", "+05:00", "--json"});
    ASSERT_EQ(berlin.status, kExitOk) << berlin.err;
    EXPECT_TRUE(Json::parse(berlin.out)["tz"].is_null());
    EXPECT_EQ(Json::parse(berlin.out)["utc_offset"], "+05:00");
}

TEST_F(CliFiles, OptionsChartFileAndBatchGiveTheSameReading) {
    const std::string file = PathOf("same.vug");
    const Outcome fromOptions =
        Cli(PuneWith({"--lat", "33S52", "--lon", "118W15", "--dst", "--json", "--save", file}));
    ASSERT_EQ(fromOptions.status, kExitOk) << fromOptions.err;
    const Outcome fromFile = Cli({"--open", file, "--json"});
    const std::string csvPath = PathOf("births.csv");
    std::ofstream(csvPath)
        << "name,date,time,zone,dst,lat,lon,city,state,country\n"
           "Ravi Kumar,1975-12-03,10:30,34,1,33S52,118W15,Pune,Maharashtra,India\n";
    const Outcome fromCsvFile = Cli({"--batch", csvPath});
    const Outcome fromStdin = Cli({"--batch", "-"},
                                  "date,time,zone,lat,lon,dst,name,city,state,"
                                  "country\n1975-12-03,10:30,34,33S52,118W15,1,"
                                  "Ravi Kumar,Pune,Maharashtra,India\n");
    ASSERT_EQ(fromCsvFile.status, kExitOk) << fromCsvFile.err;
    ASSERT_EQ(fromStdin.status, kExitOk) << fromStdin.err;

    const Json expected = Json::parse(fromOptions.out);
    EXPECT_EQ(Json::parse(fromFile.out), expected);
    for (const Outcome* batch : {&fromCsvFile, &fromStdin}) {
        Json row = Json::parse(batch->out);
        EXPECT_EQ(row["row"], 1);
        row.erase("row");
        EXPECT_EQ(row, expected);
    }
}

TEST_F(CliFiles, OpeningAShortFileIsRefusedAsDamagedNamingTheLine) {
    // Only the name line: it used to open as a form with every other control empty.
    const std::string file = PathOf("short.vug");
    std::ofstream(file, std::ios::binary) << "\xA7\xB6\xC2\xBA\r\n";  // "Rama" shifted
    const Outcome outcome = Cli({"--open", file});
    EXPECT_EQ(outcome.status, kExitRefused);
    EXPECT_EQ(outcome.err,
              "tamovid-cli: The file \"" + file +
                  "\" is damaged: it ends before line 2 (month). Nothing was opened.\n");
    EXPECT_EQ(outcome.out, "");
}

TEST(Cli, TextReadingShowsEscapeSequencesInANameAsText) {
    const Outcome outcome =
        Cli(PuneWith({"--name", "\x1b]0;x\a\x1b[31mR2", "--city", "P\xc2\x9bune"}));
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    EXPECT_NE(outcome.out.find("Name:      \\x1B]0;x\\x07\\x1B[31mR2\n"), std::string::npos)
        << outcome.out;
    EXPECT_NE(outcome.out.find("Place:     P\\u009Bune,"), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.out.find('\x1b'), std::string::npos);
}

TEST(Cli, CsvHeaderErrorShowsItsBytesEscaped) {
    const Outcome outcome = Cli({"--batch", "-"}, "na\x1b[31mme,date\n");
    EXPECT_EQ(outcome.status, kExitUsage);
    EXPECT_NE(outcome.err.find("unknown column \"na\\x1B[31mme\""), std::string::npos)
        << outcome.err;
    EXPECT_EQ(outcome.err.find('\x1b'), std::string::npos);
}

TEST_F(CliFiles, OpeningAFileWithNoChartIsRefused) {
    const std::string file = PathOf("empty.vug");
    std::ofstream(file, std::ios::binary).close();
    const Outcome outcome = Cli({"--open", file});
    EXPECT_EQ(outcome.status, kExitRefused);
    EXPECT_EQ(outcome.err,
              "tamovid-cli: The file \"" + file + "\" holds no chart that can be opened.\n");
}

TEST_F(CliFiles, OpeningAMissingFileIsAnIoError) {
    const Outcome outcome = Cli({"--open", PathOf("absent.vug")});
    EXPECT_EQ(outcome.status, kExitIoError);
    EXPECT_NE(outcome.err.find("absent.vug"), std::string::npos) << outcome.err;
}

TEST_F(CliFiles, SaveIntoAMissingFolderIsAnIoErrorAndPrintsNoReading) {
    const Outcome outcome = Cli(PuneWith({"--save", PathOf("no/such/folder/x.vug")}));
    EXPECT_EQ(outcome.status, kExitIoError);
    EXPECT_EQ(outcome.out, "");
    EXPECT_NE(outcome.err.find("x.vug"), std::string::npos) << outcome.err;
}

TEST_F(CliFiles, SaveRefusesANameTheFileCannotHoldAndKeepsTheOldFile) {
    const std::string file = PathOf("kept.vug");
    ASSERT_EQ(Cli(PuneWith({"--save", file})).status, kExitOk);
    const std::string before = ReadChartFile(file).value();

    const Outcome outcome = Cli(PuneWith({"--name", "Jos\xC3\xA9", "--save", file}));
    EXPECT_EQ(outcome.status, kExitRefused);
    EXPECT_EQ(outcome.err,
              "tamovid-cli: The name holds a character that a chart file cannot store.\n");
    EXPECT_EQ(ReadChartFile(file).value(), before);
}

TEST_F(CliFiles, SaveOfARefusedChartWritesNothing) {
    const std::string file = PathOf("refused.vug");
    const Outcome outcome = Cli(PuneWith({"--name", "", "--save", file}));
    EXPECT_EQ(outcome.status, kExitRefused);
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
TEST(CliPlaces, PlaceFillsWhatTheOptionsLeaveOut) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* member;
        Json expected;
    };
    const std::vector<std::string> pune = {"--date", "1975-12-03", "--time",      "10:30", "--name",
                                           "Ravi",   "--place",    "Pune, India", "--json"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = pune;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const Case cases[] = {
        {"CoordinatesFromTheAtlas", pune, "lat", "18N31"},
        {"ZoneRowFromThePlacesZone", pune, "zone_row", 34},
        {"ZoneNameKept", pune, "tz", "Asia/Kolkata"},
        {"ExplicitLatitudeWins", with({"--lat", "28N39"}), "lat", "28N39"},
        {"ExplicitZoneRowWins", with({"--zone", "61"}), "utc_offset", "+00:00"},
        {"ExplicitCityWins", with({"--city", "Poona"}), "city", "Poona"},
        {"ExactOffsetHasNoRow", with({"--utc-offset", "+05:45"}), "zone_row", nullptr},
        {"ZoneFromTz", with({"--tz", "Asia/Kabul"}), "utc_offset", "+04:30"},
        {"UniversalTime", pune, "ut", "1975-12-03T05:00"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = Cli(c.args);
        ASSERT_EQ(outcome.status, kExitOk) << c.name << ": " << outcome.err;
        EXPECT_EQ(Json::parse(outcome.out)[c.member], c.expected) << c.name;
    }
}

TEST(CliPlaces, PlaceGivesTheSameChartAsTypedCoordinatesAndRow) {
    const Json typed = Json::parse(Cli(PuneWith({"--json"})).out);
    const Json looked = Json::parse(Cli({"--date", "1975-12-03", "--time", "10:30", "--name",
                                         "Ravi Kumar", "--place", "Pune", "--json"})
                                        .out);
    EXPECT_EQ(looked["sun"], typed["sun"]);
    EXPECT_EQ(looked["ascendant"], typed["ascendant"]);
    EXPECT_EQ(looked["points"], typed["points"]);
}

TEST(CliPlaces, BatchOfNameDateTimeAndPlace) {
    const Outcome outcome =
        Cli({"--batch", "-"}, "name,date,time,place\nRavi,1990-03-01,12:00,Kathmandu\n");
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    const Json row = Json::parse(outcome.out);
    EXPECT_EQ(row["utc_offset"], "+05:45");
    EXPECT_EQ(row["ut"], "1990-03-01T06:15");
    EXPECT_EQ(row["country"], "Nepal");
}

// The window fills the form from the first line its list shows, through the same FillPlace.
TEST(CliPlaces, OptionsBatchesAndTheWindowAnswerAlikeWithOrWithoutAState) {
    const atlas::Atlas places = atlas::LoadInstalledAtlas().value();
    for (const char* query :
         {"Singapore", "Macau", "Vatican City", "Gibraltar", "Hyderabad", "Hue", "Pune, India"}) {
        const Outcome option = Cli(
            {"--date", "1990-03-01", "--time", "12:00", "--name", "A", "--place", query, "--json"});
        ASSERT_EQ(option.status, kExitOk) << query << ": " << option.err;
        const Outcome batch = Cli({"--batch", "-"}, "name,date,time,place\nA,1990-03-01,12:00,\"" +
                                                        std::string(query) + "\"\n");
        ASSERT_EQ(batch.status, kExitOk) << query << ": " << batch.err;
        Json fromBatch = Json::parse(batch.out);
        fromBatch.erase("row");
        const Json fromOption = Json::parse(option.out);
        EXPECT_EQ(fromBatch, fromOption) << query;

        BirthEntry window;
        FillPlace(window, places.Search(query, 12).front());
        EXPECT_EQ(fromOption["city"], window.txtCity) << query;
        EXPECT_EQ(fromOption["state"], window.txtState) << query;
        EXPECT_EQ(fromOption["country"], window.txtCountry) << query;
        EXPECT_FALSE(window.txtState.empty()) << query;
    }
}

TEST(CliPlaces, LimitWithALeadingZeroIsDecimalNotOctal) {
    const Outcome outcome = Cli({"--places", "San", "--limit", "010"});
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 10);
}

TEST(CliPlaces, ListsMatchesAsJsonLines) {
    const Outcome outcome = Cli({"--places", "Calcutta", "--limit", "3"});
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    std::istringstream lines(outcome.out);
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);) {
        const Json place = Json::parse(line);
        names.push_back(place["name"].get<std::string>() + "/" + place["tz"].get<std::string>());
    }
    EXPECT_EQ(names.size(), 3u);
    EXPECT_NE(std::find(names.begin(), names.end(), "Kolkata/Asia/Kolkata"), names.end());
}

TEST_F(CliFiles, ExactOffsetSurvivesSaveAndOpen) {
    const std::string file = PathOf("kathmandu.vug");
    const Outcome saved = Cli({"--date", "1990-03-01", "--time", "12:00", "--name", "Ravi",
                               "--place", "Kathmandu", "--json", "--save", file});
    ASSERT_EQ(saved.status, kExitOk) << saved.err;
    const Outcome opened = Cli({"--open", file, "--json"});
    ASSERT_EQ(opened.status, kExitOk) << opened.err;
    EXPECT_EQ(Json::parse(opened.out)["ut"], "1990-03-01T06:15");
    EXPECT_EQ(Json::parse(opened.out)["tz"], "Asia/Kathmandu");
    EXPECT_EQ(Json::parse(opened.out)["ascendant"], Json::parse(saved.out)["ascendant"]);
}

// A stored zone name was printed as if true even when no such zone exists or its offset
// at the chart's moment is another; the stored offset alone is trusted now.
TEST_F(CliFiles, StoredZoneThatIsUnknownOrDisagreesIsReportedAndNotPrinted) {
    struct Case {
        const char* zone;
        const char* note;  // empty: none
    };
    for (const Case& c :
         {Case{"Asia/Kathmandu", ""}, Case{"Not/AZone", "which this system does not know"},
          Case{"Asia/Kolkata", "but Asia/Kolkata was UTC+05:30"}}) {
        SCOPED_TRACE(c.zone);
        const std::string file = PathOf("zone.vug");
        BirthRecord record = testing_support::Delhi1947Record();
        record.intYear = 1990;  // Nepal's +05:45 began in 1986
        const auto bytes = EncodeChartFile(record, 34, ChartExactZone{345, c.zone});
        ASSERT_TRUE(WriteFileAtomically(file, bytes.value()).ok());
        const Outcome opened = Cli({"--open", file, "--json"});
        ASSERT_EQ(opened.status, kExitOk) << opened.err;
        const Json reading = Json::parse(opened.out);
        EXPECT_EQ(reading["utc_offset"], "+05:45");
        if (*c.note == '\0') {
            EXPECT_EQ(opened.err, "");
            EXPECT_EQ(reading["tz"], c.zone);
        } else {
            EXPECT_NE(opened.err.find(c.note), std::string::npos) << opened.err;
            EXPECT_TRUE(reading["tz"].is_null()) << reading["tz"];
        }
    }
}

}  // namespace tamovid::cli
