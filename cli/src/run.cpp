#include "tamovid/cli/run.h"

#include <CLI/CLI.hpp>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>

#include "tamovid/birthentry/chart_session.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/choices/table_rows.h"
#include "tamovid/cli/batch.h"
#include "tamovid/cli/chart_extras.h"
#include "tamovid/cli/chart_fields.h"
#include "tamovid/cli/chart_output.h"
#include "tamovid/cli/exit_codes.h"
#include "tamovid/cli/place_fields.h"
#include "tamovid/cli/reading_output.h"
#include "tamovid/cli/visible_text.h"
#include "tamovid/choices/dasha_year.h"
#include "tamovid/vargas/varga.h"
#include "tamovid/choices/upagraha_options.h"
#include "tamovid/version.h"

namespace tamovid::cli {
namespace {

constexpr std::string_view kProgram = "tamovid-cli";
constexpr std::string_view kUsageLine =
    "Usage: tamovid-cli --date YYYY-MM-DD --time HH:MM --zone N --lat DDdMM --lon DDDdMM "
    "[--dst] [--name TEXT] [--city TEXT] [--state TEXT] [--country TEXT] [--precise]\n"
    "       [--ayanamsa NAME] [--node mean|true] [--grahas] [--time-window] [--upagrahas]\n"
    "       [--sunrise hindu|apparent] [--upagraha-lords eight|seven] [--upagraha-at NAME=WHERE]\n"
    "       [--vargas all|D9,D10,...] [--dasha] [--dasha-year YEAR]\n"
    "   or: tamovid-cli --date YYYY-MM-DD --time HH:MM --place \"CITY[, STATE][, COUNTRY]\" "
    "[--tz AREA/LOCATION] [--utc-offset +HH:MM] ...\n"
    "   or: tamovid-cli --open FILE.vug | --batch FILE.csv [--precise]\n"
    "   or: tamovid-cli --places QUERY [--limit N]   (see --help)";
constexpr std::size_t kDefaultPlaceLimit = 10;

constexpr std::string_view kFooter =
    R"(A chart comes from the options, from a chart file (--open) or, one per
row, from a CSV file (--batch). The same checks as the window apply: a
missing --name, --city, --state or --country is an empty field, which is
refused with the window's message, as is an impossible date such as
1975-02-30 or a latitude beyond 90 degrees.

--lat is degrees, N or S, minutes (28N39, 33S52); --lon is degrees, E or W,
minutes (77E13, 118W15); either also takes decimal degrees, negative to the
south or west (18.52, -73.85), rounded to the minute; --zone is the row 0..70 of
the window's time-zone
list; --time is the local clock time, 0:00 to 24:59 (24:30 is half past
midnight at the end of the day).

--place looks the birth place up in the atlas and fills the city, state,
country, coordinates and the offset from Universal Time that the place's
time zone had at that date and time; --tz takes the offset from an IANA
zone instead, and --utc-offset gives it exactly (local time minus UT, the
daylight hour included). --lat, --lon, --zone, --dst, --city, --state and
--country given as well win over the atlas. A place that matches nothing, or
a clock time that did not exist or happened twice there, is refused.
--places lists the matches of a query as JSON Lines (--limit, default 10).

--batch reads a CSV file (or standard input for "-") whose header names its
columns: name,date,time,zone,dst,lat,lon,city,state,country,place,tz,
utc_offset in any order and any case (dst is 0 or 1; name, dst, city, state,
country, place, tz and utc_offset may be left out; with place, zone, lat and
lon may be left out too, so name,date,time,place is enough). A name, city,
state or country column left out (and not filled from a place) takes a
stand-in, "Unnamed" or "Unknown", and standard error says so. It writes one
JSON object per data row, in input order, each with "row"; a row that cannot
be read or is refused gives {"row": n, "name": "...", "error": "..."} (the
name when the row has one) and the batch goes on. The daylight-saving box set
on a zone row that already keeps daylight or war time adds a "warning".

--precise computes the Sun and the Ascendant with the precise engine (the
Swiss Ephemeris, good to about an arc-second) instead of the classic one;
it works with every way of giving a chart. The JSON reading names the engine
in "engine" and gives the sidereal longitudes in "sun_longitude" and
"ascendant_longitude" (degrees, six decimals). --ayanamsa NAME chooses the
precise engine's ayanamsa (lahiri, the default, raman, krishnamurti,
true-chitra, true-pushya, yukteshwar); the classic engine has its own.

--grahas adds the nine grahas (Sun, Moon, Mars, Mercury, Jupiter, Venus,
Saturn, Rahu, Ketu), each with its nakshatra and pada and whether it is
retrograde, and the nakshatra and pada of the Ascendant and of each point;
the JSON gains "grahas", "ayanamsa" (degrees), "ayanamsa_name", "node",
"ephemeris" ("files" or "analytic"), "ascendant_nakshatra",
"ascendant_pada" and, in each point, "nakshatra" and "pada". The Sun is
the reading's own. --node true takes Rahu as the true node instead of the
mean one; Ketu is always opposite.

--time-window adds, for the Ascendant, the five points (and the nine grahas
with --grahas), the local clock times, searched 12 hours each way, between
which its sign, its house and its pada stay as at birth, and the nearest
shift of the birth time that moves a point to another house. The JSON gains
"time_window" (per body "name", "sign_from", "sign_to", "house_from",
"house_to", "pada_from", "pada_to" as "HH:MM", with the date when it is not
the birth's, null for an end beyond 12 hours) and "nearest_house_change".

--upagrahas adds the six that rise with the portions of the day and the
night (Kala, Mrityu, Ardhaprahara, Yamaghantaka, Gulika, Mandi): the day
from the real sunrise at the birth place (a birth before sunrise belongs to
the day before), its weekday, whether the birth is by day or by night, and
each one's moment, position, nakshatra and pada and house. The JSON gains
"day" ("vara", "birth_in", "sunrise", "sunset", "next_sunrise" in UT) and
"upagrahas" (per point "name", "lord", "moment" in UT to the millisecond,
"longitude", "position", "nakshatra", "pada", "house"); where the Sun does
not rise or set that day, both are null and "upagrahas_note" says why.
--sunrise, --upagraha-lords and --upagraha-at choose the conventions (see
above); they need --upagrahas, or --save to keep them in the chart file.

--vargas all|D9,D10,... adds the sign of the Ascendant, of each of the nine
grahas and of each point in the divisional charts named (all sixteen with
"all"), by Parashara's rules from each body's sidereal longitude. The JSON
gains "vargas", one object per chart in the order named, of body names and
full sign names, and each point in "points" gains "longitude" (sidereal
degrees, six decimals).

--dasha adds the Vimshottari dasha from the Moon's sidereal longitude: the
balance of the first period at birth and the nine maha periods from the one
running at birth, each with its nine sub periods, start and end in UT to
the minute. --dasha-year chooses the length of the year the periods are
counted in: sidereal (365.256363 days, the default), julian (365.25),
gregorian (365.2425) or savana (360); every output names it. The JSON gains
"dasha" with "system", "year", "year_days", "balance" ("lord", "years") and
"periods" ("lord", "start", "end", "sub").

Exit status: 0 success (a batch that answered every row), 2 the chart was
refused (the message goes to standard error), 64 bad usage or CSV header,
74 a file could not be read or written. A chart file that holds nothing
usable is refused (status 2).

--chart draws the Rasi chart of the reading in black on white: an SVG file
(labels as text, the grid as lines) or a 1000 x 1000 PNG, chosen by the
name's ending. With --grahas it shows the other eight grahas too, an R after
each retrograde one; with --upagrahas, Gulika (Gk) and Mandi (Md).
--chart-style north draws the North Indian chart instead of the South Indian
one; --chart-only leaves the reading out of standard output. --pdf writes the
printable reading: the birth data, the Sun and the Ascendant, the Rasi chart,
the table of the five points and each point's lines (and the grahas' table
with --grahas, the birth-time window with --time-window, the day and the six
upagrahas with --upagrahas, the Navamsa chart beside the Rasi chart with
--vargas, the dasha with --dasha), on A4 or US Letter as the system's locale
has it. No display is needed.)";

struct Options {
    std::array<std::optional<std::string>, kChartFieldCount> fields;
    bool dst = false;
    std::optional<std::string> open;
    std::optional<std::string> save;
    std::optional<std::string> batch;
    std::optional<std::string> places;
    std::size_t limit = kDefaultPlaceLimit;
    bool json = false;
    bool precise = false;
    bool grahas = false;
    bool timeWindow = false;
    std::optional<std::string> vargas;
    std::vector<Varga> vargaCharts;  ///< what --vargas names, in its order
    bool dasha = false;
    std::optional<std::string> dashaYear;
    bool upagrahas = false;
    std::optional<std::string> sunrise;
    std::optional<std::string> upagrahaLords;
    std::vector<std::string> upagrahaAt;
    std::optional<std::string> ayanamsa;
    std::optional<std::string> node;
    ChartOptions chartOptions;
    std::optional<std::string> chart;
    std::string chartStyle{ChartStyleName(ChartStyle::kSouth)};
    bool chartOnly = false;
    std::optional<std::string> pdf;
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

/// The chart's texts as given on the command line.
ChartFieldTexts TextsFromOptions(const Options& options) {
    ChartFieldTexts texts;
    for (std::size_t i = 0; i < kChartFieldCount; ++i) {
        if (options.fields[i]) texts[i] = *options.fields[i];
    }
    // Only a --dst given counts as given, so that the place's zone decides otherwise.
    if (options.dst) texts[static_cast<std::size_t>(ChartField::kDst)] = "1";
    return texts;
}

int ListPlaces(const Options& options, const Streams& io) {
    AtlasSource source;
    const auto atlas = source.Get();
    if (!atlas.ok()) return io.Fail(kExitIoError, atlas.error());
    const std::vector<atlas::Place> found = atlas.value()->Search(*options.places, options.limit);
    if (found.empty()) return io.Fail(kExitRefused, NoPlaceMessage(*options.places));
    for (const atlas::Place& place : found) {
        nlohmann::ordered_json json = nlohmann::ordered_json::object();
        json["name"] = place.name;
        json["state"] = place.state;
        json["country"] = place.country;
        json["lat"] = CoordinateText(std::abs(place.latitudeMinutes) / 60,
                                     std::abs(place.latitudeMinutes) % 60,
                                     place.latitudeMinutes >= 0, 'N', 'S');
        json["lon"] = CoordinateText(std::abs(place.longitudeMinutes) / 60,
                                     std::abs(place.longitudeMinutes) % 60,
                                     place.longitudeMinutes >= 0, 'E', 'W');
        json["tz"] = place.zone;
        json["population"] = place.population;
        WriteJsonLine(io.out, json);
    }
    io.out.flush();
    if (!io.out) return io.Fail(kExitIoError, "cannot write the output");
    return kExitOk;
}

/// Digits only, read in base 10: the option parser would take "0x10" as 16 and "010"
/// as 8, so leading zeros go (a transform, which may change the text) before it reads it.
CLI::Validator PlainDecimal() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const bool digits = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
                return c >= '0' && c <= '9';
            });
            if (!digits) return "a plain decimal number is needed, not " + text;
            text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
            return {};
        },
        "");  // the option's type name says it; a description here would repeat it in --help
}

/// The ayanamsa keys as the help and the errors list them, from the one table.
std::string AyanamsaKeyList(std::string_view defaultMark) {
    return KeyList(kAyanamsaNames, &AyanamsaName::key, AyanamsaKey(ChartOptions{}.ayanamsa),
                   defaultMark);
}

/// The dasha year keys from their table: "sidereal, julian, gregorian or savana".
std::string DashaYearKeyList(std::string_view defaultMark) {
    return KeyList(kDashaYears, &DashaYearRow::key, DashaYearKey(kDefaultDashaYear), defaultMark);
}

std::string SunriseKeyList(std::string_view defaultMark) {
    return KeyList(upagrahas::kSunriseRuleKeys, &upagrahas::SunriseRuleKey::key,
                   upagrahas::SunriseRuleKeyOf(upagrahas::UpagrahaOptions{}.sunrise), defaultMark);
}

std::string LordsKeyList(std::string_view defaultMark) {
    return KeyList(upagrahas::kLordRuleKeys, &upagrahas::LordRuleKey::key,
                   upagrahas::LordRuleKeyOf(upagrahas::UpagrahaOptions{}.lords), defaultMark);
}

/// "Kala, Mrityu, ... or Mandi=start, middle or end".
std::string PointKeyList() {
    return KeyList(upagrahas::kUpagrahaNames, &upagrahas::UpagrahaName::name) + "=" +
           KeyList(upagrahas::kPortionPointKeys, &upagrahas::PortionPointKey::key);
}

ReadingParts PartsOf(const Options& options) {
    return {options.grahas, options.timeWindow, options.upagrahas, options.vargas.has_value(),
            options.dasha};
}

/// Reads --sunrise, --upagraha-lords and --upagraha-at into the chart's options; the
/// message of the first that cannot be read.
std::optional<std::string> ReadUpagrahaOptions(Options& options,
                                               upagrahas::UpagrahaOptions& into) {
    if (options.sunrise) {
        const auto rule = upagrahas::ParseSunriseRule(*options.sunrise);
        if (!rule) {
            return "--sunrise: unknown sunrise \"" + *options.sunrise + "\" (" +
                   SunriseKeyList("") + ")";
        }
        into.sunrise = *rule;
    }
    if (options.upagrahaLords) {
        const auto rule = upagrahas::ParseLordRule(*options.upagrahaLords);
        if (!rule) {
            return "--upagraha-lords: unknown rule \"" + *options.upagrahaLords + "\" (" +
                   LordsKeyList("") + ")";
        }
        into.lords = *rule;
    }
    for (const std::string& text : options.upagrahaAt) {
        if (!upagrahas::SetPointFromText(into, text)) {
            return "--upagraha-at: \"" + text + "\" is not NAME=WHERE (" + PointKeyList() + ")";
        }
    }
    return std::nullopt;
}

int RunBatchFile(const Options& options, const Streams& io) {
    const std::string& path = *options.batch;
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
    const BatchResult result =
        RunBatch(*in, io.out, options.chartOptions, PartsOf(options), options.vargaCharts);
    io.out.flush();
    for (const std::string& notice : result.notices) io.Note(notice);
    if (result.exitCode != kExitOk) return io.Fail(result.exitCode, result.error);
    if (!io.out) return io.Fail(kExitIoError, "cannot write the output");
    return kExitOk;
}

/// Says where the command line overrides a setting the chart file gives.
void NoteOverriddenChoices(const std::string& path, const OpenedChart& opened,
                           const ChartOptions& used, const Streams& io) {
    if (opened.ayanamsa && *opened.ayanamsa != used.ayanamsa) {
        io.Note("The file \"" + path + "\" was saved with the " +
                std::string(AyanamsaDisplayName(*opened.ayanamsa)) +
                " ayanamsa; this reading uses " + AyanamsaInWords(used) + ", as --ayanamsa asks.");
    }
    if (opened.node && *opened.node != used.node) {
        io.Note("The file \"" + path + "\" was saved with the " +
                std::string(LunarNodeKey(*opened.node)) + " node; this reading uses the " +
                std::string(LunarNodeKey(used.node)) + " node, as --node asks.");
    }
}

int RunOneChart(const Options& options, const Streams& io) {
    ChartSession session;
    std::optional<Result<Birth, Refusal>> birth;
    ChartOptions chosen = options.chartOptions;
    if (options.open) {
        const ChartOptions& asked = options.chartOptions;
        Result<OpenedChart, OpenRefusal> opened = ChartSession::Open(*options.open, asked);
        if (!opened.ok()) {
            const bool unreadable = opened.error().reason == OpenRefusal::Reason::kUnreadable;
            return io.Fail(unreadable ? kExitIoError : kExitRefused, opened.error().message);
        }
        if (!opened.value().notice.empty()) io.Note(opened.value().notice);
        // The file's engine, ayanamsa and node, unless the command line names its own.
        ChartOptions used = opened.value().OptionsOver(asked);
        if (options.ayanamsa) used.ayanamsa = asked.ayanamsa;
        if (options.node) used.node = asked.node;
        if (options.sunrise) used.upagrahas.sunrise = asked.upagrahas.sunrise;
        if (options.upagrahaLords) used.upagrahas.lords = asked.upagrahas.lords;
        for (const std::string& point : options.upagrahaAt)
            (void)upagrahas::SetPointFromText(used.upagrahas, point);  // read before, so valid
        NoteOverriddenChoices(*options.open, opened.value(), used, io);
        chosen = used;
        birth = std::move(opened.value().birth);
    } else {
        const ChartFieldTexts texts = TextsFromOptions(options);
        Result<BirthEntry, FieldError> fromOptions = EntryFromFieldTexts(texts);
        if (!fromOptions.ok())
            return io.Fail(kExitUsage, DescribeFieldError(fromOptions.error(), "--"));
        BirthEntry& entry = fromOptions.value();
        AtlasSource atlas;
        std::string otherPlaces;
        const Result<void, std::string> placed = ApplyPlaceAndZone(
            texts, entry, atlas, " Give the offset to use with --utc-offset.", &otherPlaces);
        if (!otherPlaces.empty()) io.Note(otherPlaces);
        // No atlas is a file that could not be read, not a chart the form refused.
        if (!placed.ok()) {
            return io.Fail(atlas.Failed() ? kExitIoError : kExitRefused, placed.error());
        }
        birth = ReadBirth(entry, session.birth());
    }
    if (!birth->ok()) return io.Fail(kExitRefused, birth->error().message);
    session.Calculate(std::move(*birth).value(), chosen);
    const Reading& reading = session.reading();
    if (const std::optional<std::string> warning = DaylightTwiceWarning(reading)) {
        io.Note("warning: " + *warning + ".");
    }

    // A failed output names those written before it, so that nothing is left unaccounted.
    std::vector<std::string> written;
    const auto failOutput = [&](int code, const std::string& message) {
        std::string text = message;
        for (std::size_t i = 0; i < written.size(); ++i) {
            text += (i == 0 ? " (written: \"" : ", \"") + written[i] + "\"";
        }
        if (!written.empty()) text += ')';
        return io.Fail(code, text);
    };
    if (options.save) {
        const Result<FileWritten, SaveRefusal> saved = session.Save(*options.save);
        if (!saved.ok()) {
            const bool unwritten = saved.error().reason == SaveRefusal::Reason::kNotWritten;
            return io.Fail(unwritten ? kExitIoError : kExitRefused, saved.error().message);
        }
        if (!saved.value().notice.empty()) io.Note(saved.value().notice);
        written.push_back(*options.save);
    }
    const ChartStyle style = ChartStyleFromName(options.chartStyle).value_or(ChartStyle::kSouth);
    // The grahas and the window, computed once for the page, the chart and the reading;
    // a chart alone needs no time window.
    ReadingParts parts = PartsOf(options);
    if (options.chartOnly && !options.pdf) parts.timeWindow = false;
    const FullReading full = ComputeFullReading(session, parts);
    if (options.pdf) {
        const FileWriteResult pdfWritten =
            WriteReadingPdfFile(full, session.ZoneRow(), style, *options.pdf);
        if (!pdfWritten.ok()) return failOutput(kExitIoError, pdfWritten.error());
        written.push_back(*options.pdf);
    }
    if (options.chart) {
        const FileWriteResult drawn = WriteReadingChart(full, style, *options.chart);
        if (!drawn.ok()) return failOutput(kExitIoError, drawn.error());
        written.push_back(*options.chart);
        if (options.chartOnly) return kExitOk;
    }
    if (options.json) {
        io.out << ReadingJsonText(reading, std::nullopt, &full, options.vargaCharts) << '\n';
    } else {
        WriteTextReading(io.out, reading, &full, options.vargaCharts);
    }
    io.out.flush();
    if (!io.out) return failOutput(kExitIoError, "cannot write the output");
    return kExitOk;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::istream& in, std::ostream& out,
           std::ostream& err) {
    const Streams io{in, out, err};
    Options options;

    CLI::App app{
        "Computes the five Aprakasha Grahas (Dhuma, Vyatipata, Parivesha, Chapa, "
        "Upaketu) of a birth, with the sidereal Sun and Ascendant.",
        std::string(kProgram)};
    app.set_version_flag("--version", std::string(kProgram) + " " + std::string(kVersion));
    app.footer(std::string(kFooter));

    struct ChartOption {
        ChartField field;
        const char* flag;
        const char* type;
        const char* help;
    };
    static constexpr std::array<ChartOption, 12> kChartOptions = {{
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
        {ChartField::kPlace, "--place", "\"CITY[, STATE][, COUNTRY]\"",
         "Birth place from the atlas: city, state, country, coordinates and zone"},
        {ChartField::kTz, "--tz", "AREA/LOCATION",
         "Offset from this IANA time zone (Asia/Kolkata)"},
        {ChartField::kUtcOffset, "--utc-offset", "+HH:MM",
         "Exact offset from UT, local time minus UT (+05:45, -04:30)"},
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
    CLI::Option* save = app.add_option("--save", options.save, "Also save the chart to a .vug file")
                            ->type_name("FILE.vug");
    CLI::Option* batch =
        app.add_option("--batch", options.batch,
                       "Compute every row of a CSV file (\"-\" for standard input) as JSON Lines")
            ->type_name("FILE.csv");
    app.add_flag("--json", options.json, "Write the reading as one JSON object");
    app.add_flag("--precise", options.precise,
                 "Compute the Sun and the Ascendant with the precise engine");
    app.add_flag("--grahas", options.grahas,
                 "Add the nine grahas, the ayanamsa and each position's nakshatra and pada");
    app.add_flag("--time-window", options.timeWindow,
                 "Add the clock times between which each sign, house and pada stays the same");
    app.add_flag("--upagrahas", options.upagrahas,
                 "Add the day of the birth and the six upagrahas of its portions (Gulika, Mandi ...)");
    app.add_option("--sunrise", options.sunrise,
                   "Sunrise of the upagrahas: " + SunriseKeyList(" (the default)") +
                       " (the almanac's, 50' lower)")
        ->type_name("RULE");
    app.add_option("--upagraha-lords", options.upagrahaLords,
                   "Lords of the eight portions: " + LordsKeyList(" (the default)") +
                       " (eight slots or the seven weekday lords)")
        ->type_name("RULE");
    app.add_option("--upagraha-at", options.upagrahaAt,
                   "Where in its portion one rises, repeatable (defaults Gulika=start, others "
                   "middle): " + PointKeyList())
        ->type_name("NAME=WHERE")
        ->allow_extra_args(false);
    app.add_option("--vargas", options.vargas,
                   "Add each body's sign in the divisional charts named, or in all sixteen")
        ->type_name("all|D9,D10,...");
    app.add_flag("--dasha", options.dasha,
                 "Add the Vimshottari dasha: the balance at birth, the maha and sub periods");
    app.add_option("--dasha-year", options.dashaYear,
                   "Year the dasha is counted in: " + DashaYearKeyList(" (the default)"))
        ->type_name("YEAR");
    app.add_option("--ayanamsa", options.ayanamsa,
                   "Ayanamsa of the precise engine: " + AyanamsaKeyList(" (the default)"))
        ->type_name("NAME");
    app.add_option("--node", options.node, "Rahu as the mean node (the default) or the true one")
        ->type_name(KeyChoices(kLunarNodeNames, &LunarNodeName::key));
    CLI::Option* places = app.add_option("--places", options.places,
                                         "List the atlas's places matching a query as JSON Lines")
                              ->type_name("QUERY");
    app.add_option("--limit", options.limit,
                   "How many places --places lists, 1 to 10000 (default 10)")
        ->type_name("N")
        ->transform(PlainDecimal())
        ->check(CLI::Range(std::size_t{1}, std::size_t{10000}).description(""))
        ->needs(places);
    CLI::Option* chart =
        app.add_option("--chart", options.chart, "Also draw the Rasi chart to an .svg or .png file")
            ->type_name("FILE.svg|FILE.png");
    CLI::Option* chartStyle =
        app.add_option("--chart-style", options.chartStyle,
                       "Chart style of --chart and --pdf: south (the default) or north")
            ->type_name("STYLE")
            ->check(CLI::IsMember({std::string(ChartStyleName(ChartStyle::kSouth)),
                                   std::string(ChartStyleName(ChartStyle::kNorth))}));
    app.add_flag("--chart-only", options.chartOnly, "Write the chart and no reading")->needs(chart);
    CLI::Option* pdf =
        app.add_option("--pdf", options.pdf, "Also write the printable reading to a PDF file")
            ->type_name("FILE.pdf");

    for (CLI::Option* option : chartOptions) {
        option->excludes(open);
        option->excludes(batch);
    }
    batch->excludes(open);
    batch->excludes(save);
    batch->excludes(chart);
    batch->excludes(pdf);
    for (CLI::Option* option : chartOptions) option->excludes(places);
    places->excludes(open);
    places->excludes(batch);
    places->excludes(save);
    places->excludes(chart);
    places->excludes(pdf);

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& success) {
        // --help and --version: CLI11 prints them and reports status 0, unless they could not
        // be written, as any other output.
        const int status = app.exit(success, out, err);
        out.flush();
        if (!out) return io.Fail(kExitIoError, "cannot write the output");
        return status;
    } catch (const CLI::ParseError& error) {
        return io.Fail(kExitUsage, error.what());
    }

    if (options.precise) options.chartOptions.engine = Engine::kPrecise;
    if (options.ayanamsa) {
        if (!options.precise) {
            return io.Fail(kExitUsage,
                           "--ayanamsa needs --precise: the classic engine has an "
                           "ayanamsa of its own");
        }
        const std::optional<AyanamsaChoice> choice = ParseAyanamsa(*options.ayanamsa);
        if (!choice) {
            return io.Fail(kExitUsage, "--ayanamsa: unknown ayanamsa \"" + *options.ayanamsa +
                                           "\" (" + AyanamsaKeyList("") + ")");
        }
        options.chartOptions.ayanamsa = *choice;
    }
    if (options.node) {
        const std::optional<LunarNode> node = ParseLunarNode(*options.node);
        if (!node) {
            return io.Fail(kExitUsage,
                           "--node: \"" + *options.node + "\" is neither " +
                               KeyList(kLunarNodeNames, &LunarNodeName::key, {}, {}, "nor"));
        }
        options.chartOptions.node = *node;
    }
    if (const std::optional<std::string> refused =
            ReadUpagrahaOptions(options, options.chartOptions.upagrahas)) {
        return io.Fail(kExitUsage, *refused);
    }
    if ((options.sunrise || options.upagrahaLords || !options.upagrahaAt.empty()) &&
        !options.upagrahas && !options.save) {
        return io.Fail(kExitUsage,
                       "--sunrise, --upagraha-lords and --upagraha-at need --upagrahas (or --save "
                       "to keep them in the chart file)");
    }
    if (options.vargas) {
        Result<std::vector<Varga>, std::string> charts = ParseVargaList(*options.vargas);
        if (!charts.ok()) return io.Fail(kExitUsage, "--vargas: " + charts.error());
        options.vargaCharts = std::move(charts).value();
    }
    if (options.dashaYear) {
        if (!options.dasha) return io.Fail(kExitUsage, "--dasha-year needs --dasha");
        const std::optional<DashaYear> year = ParseDashaYear(*options.dashaYear);
        if (!year) {
            return io.Fail(kExitUsage, "--dasha-year: unknown year \"" + *options.dashaYear +
                                           "\" (" + DashaYearKeyList("") + ")");
        }
        options.chartOptions.dashaYear = *year;
    }
    if (options.batch) return RunBatchFile(options, io);
    if (options.places) return ListPlaces(options, io);
    if (chartStyle->count() > 0 && !options.chart && !options.pdf) {
        return io.Fail(kExitUsage, "--chart-style needs --chart or --pdf");
    }
    // Refused before computing, so a typing slip costs no work and leaves no file.
    if (options.chart && !IsChartImageName(*options.chart)) {
        return io.Fail(kExitUsage, "--chart: the file name must end in .svg or .png");
    }
    if (options.pdf && !IsPdfName(*options.pdf)) {
        return io.Fail(kExitUsage, "--pdf: the file name must end in .pdf");
    }
    // A chart saved under a name that --open refuses could never be opened again.
    if (options.save && !IsChartFileName(*options.save)) {
        return io.Fail(kExitUsage, "--save: the file name must end in .vug");
    }
    return RunOneChart(options, io);
}

}  // namespace tamovid::cli
