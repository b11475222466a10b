#include "tamovid/cli/run.h"

#include <CLI/CLI.hpp>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <variant>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/chart_document.h"
#include "tamovid/cli/batch.h"
#include "tamovid/cli/chart_fields.h"
#include "tamovid/cli/exit_codes.h"
#include "tamovid/cli/reading_output.h"
#include "tamovid/cli/visible_text.h"

namespace tamovid::cli {
namespace {

constexpr std::string_view kProgram = "tamovid-cli";
constexpr std::string_view kUsageLine =
    "Usage: tamovid-cli --date YYYY-MM-DD --time HH:MM --zone N --lat DDdMM --lon DDDdMM "
    "[--dst] [--name TEXT] [--city TEXT] [--state TEXT] [--country TEXT]\n"
    "   or: tamovid-cli --open FILE.vug | --batch FILE.csv   (see --help)";

constexpr std::string_view kFooter = R"(A chart comes from the options, from a chart file (--open) or, one per
row, from a CSV file (--batch). The same checks as the window apply: a
missing --name, --city, --state or --country is an empty field, which is
refused with the window's message, as is an impossible date such as
1975-02-30 or a latitude beyond 90 degrees.

--lat is degrees, N or S, minutes (28N39, 33S52); --lon is degrees, E or W,
minutes (77E13, 118W15); --zone is the row 0..70 of the window's time-zone
list; --time is the local clock time, hours 0..24.

--batch reads a CSV file (or standard input for "-") whose header names its
columns: name,date,time,zone,dst,lat,lon,city,state,country in any order
(dst is 0 or 1; name, dst, city, state and country may be left out). It
writes one JSON object per data row, in input order, each with "row"; a row
that cannot be read or is refused gives {"row": n, "error": "..."} and the
batch goes on.

Exit status: 0 success (a batch that answered every row), 2 the chart was
refused (the message goes to standard error), 64 bad usage or CSV header,
74 a file could not be read or written. A chart file that holds nothing
usable is refused (status 2).)";

struct Options {
    std::array<std::optional<std::string>, kChartFieldCount> fields;
    bool dst = false;
    std::optional<std::string> open;
    std::optional<std::string> save;
    std::optional<std::string> batch;
    bool json = false;
};

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;

    int Fail(int code, std::string_view message) const {
        Note(message);
        if (code == kExitUsage) err << kUsageLine << '\n';
        return code;
    }
    /// A message on standard error, its control characters made visible.
    void Note(std::string_view message) const {
        err << kProgram << ": " << VisibleText(message) << '\n';
    }
};

std::optional<std::string>& Field(Options& options, ChartField field) {
    return options.fields[static_cast<std::size_t>(field)];
}

/// The chart's form from the options, or the usage error.
Result<BirthEntry, std::string> EntryFromOptions(const Options& options) {
    ChartFieldTexts texts;
    for (std::size_t i = 0; i < kChartFieldCount; ++i) {
        if (options.fields[i]) texts[i] = *options.fields[i];
    }
    texts[static_cast<std::size_t>(ChartField::kDst)] = options.dst ? "1" : "0";
    Result<BirthEntry, FieldError> entry = EntryFromFieldTexts(texts);
    if (!entry.ok()) return Failure{DescribeFieldError(entry.error(), "--")};
    return std::move(entry).value();
}

int RunBatchFile(const std::string& path, const Streams& io) {
    std::ifstream file;
    std::istream* in = &io.in;
    if (path != "-") {
        const auto refuse = [&](std::string_view why) {
            return io.Fail(kExitIoError, "cannot read \"" + path + "\": " + std::string(why));
        };
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0) {
            if (S_ISDIR(info.st_mode)) return refuse("it is a folder");
            // A device can stream for ever; standard input ("-") is the one stream allowed.
            if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return refuse("it is a device");
        }
        file.open(path, std::ios::binary);
        if (!file) return refuse(std::generic_category().message(errno));
        in = &file;
    }
    const BatchResult result = RunBatch(*in, io.out);
    io.out.flush();
    if (result.exitCode != kExitOk) return io.Fail(result.exitCode, result.error);
    if (!io.out) return io.Fail(kExitIoError, "cannot write the output");
    return kExitOk;
}

int RunOneChart(const Options& options, const Streams& io) {
    BirthEntry entry;
    ChartBase base;
    if (options.open) {
        std::variant<OpenRefusal, BirthEntry> opened = OpenChart(*options.open);
        if (const auto* refusal = std::get_if<OpenRefusal>(&opened)) {
            const bool unreadable = refusal->reason == OpenRefusal::Reason::kUnreadable;
            return io.Fail(unreadable ? kExitIoError : kExitRefused, refusal->message);
        }
        entry = std::get<BirthEntry>(std::move(opened));
        base = OpenedChartBase();
    } else {
        Result<BirthEntry, std::string> fromOptions = EntryFromOptions(options);
        if (!fromOptions.ok()) return io.Fail(kExitUsage, fromOptions.error());
        entry = std::move(fromOptions).value();
    }

    const Result<Reading, Refusal> result = Calculate(entry, base.record);
    if (!result.ok()) return io.Fail(kExitRefused, result.error().message);
    const Reading& reading = result.value();

    if (options.save) {
        const int zone = entry.cboTimeZone >= 0 ? entry.cboTimeZone : base.timeZonePosition;
        const ChartSaveResult saved = SaveChart(*options.save, reading.record, zone);
        switch (saved.status) {
            case ChartSaveResult::Status::kCannotStore: return io.Fail(kExitRefused, saved.message);
            case ChartSaveResult::Status::kNotWritten: return io.Fail(kExitIoError, saved.message);
            case ChartSaveResult::Status::kSaved:
                if (!saved.message.empty()) io.Note(saved.message);
                break;
        }
    }

    if (options.json) {
        WriteJsonLine(io.out, ReadingJson(reading));
    } else {
        WriteTextReading(io.out, reading);
    }
    io.out.flush();
    if (!io.out) return io.Fail(kExitIoError, "cannot write the output");
    return kExitOk;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err) {
    const Streams io{in, out, err};
    Options options;

    CLI::App app{"Computes the five Aprakasha Grahas (Dhuma, Vyatipata, Parivesha, Chapa, "
                 "Upaketu) of a birth, with the sidereal Sun and Ascendant.",
                 std::string(kProgram)};
    app.set_version_flag("--version", std::string(kProgram) + " " + TAMOVID_VERSION);
    app.footer(std::string(kFooter));

    struct ChartOption {
        ChartField field;
        const char* flag;
        const char* type;
        const char* help;
    };
    static constexpr std::array<ChartOption, 9> kChartOptions = {{
        {ChartField::kDate, "--date", "YYYY-MM-DD", "Birth date, 1901-01-01 to 2050-12-31"},
        {ChartField::kTime, "--time", "HH:MM", "Local clock time of birth, 0:00 to 24:59"},
        {ChartField::kZone, "--zone", "N", "Time-zone row 0..70, as in the window's list"},
        {ChartField::kLat, "--lat", "DDdMM", "Latitude: degrees, N or S, minutes (28N39)"},
        {ChartField::kLon, "--lon", "DDDdMM", "Longitude: degrees, E or W, minutes (77E13)"},
        {ChartField::kName, "--name", "TEXT", "Name (required by the window's checks)"},
        {ChartField::kCity, "--city", "TEXT", "City of birth (required by the window's checks)"},
        {ChartField::kState, "--state", "TEXT", "State of birth (required by the window's checks)"},
        {ChartField::kCountry, "--country", "TEXT",
         "Country of birth (required by the window's checks)"},
    }};
    std::vector<CLI::Option*> chartOptions;
    for (const ChartOption& o : kChartOptions) {
        chartOptions.push_back(
            app.add_option(o.flag, Field(options, o.field), o.help)->type_name(o.type));
    }
    chartOptions.push_back(app.add_flag("--dst", options.dst, "Daylight-saving time was in force"));

    CLI::Option* open =
        app.add_option("--open", options.open, "Compute the chart saved in a .vug file")
            ->type_name("FILE.vug");
    CLI::Option* save =
        app.add_option("--save", options.save, "Also save the chart to a .vug file")
            ->type_name("FILE.vug");
    CLI::Option* batch =
        app.add_option("--batch", options.batch,
                       "Compute every row of a CSV file (\"-\" for standard input) as JSON Lines")
            ->type_name("FILE.csv");
    app.add_flag("--json", options.json, "Write the reading as one JSON object");

    for (CLI::Option* option : chartOptions) {
        option->excludes(open);
        option->excludes(batch);
    }
    batch->excludes(open);
    batch->excludes(save);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& success) {
        // --help and --version: CLI11 prints them and reports status 0.
        return app.exit(success, out, err);
    } catch (const CLI::ParseError& error) {
        return io.Fail(kExitUsage, error.what());
    }

    if (options.batch) return RunBatchFile(*options.batch, io);
    return RunOneChart(options, io);
}

}  // namespace tamovid::cli
