#include "tamovid/birthentry/chart_document.h"

#include <optional>
#include <utility>

#include "tamovid/atlas/zone_time.h"
#include "tamovid/birthentry/chart_restore.h"
#include "tamovid/chartfile/chart_file.h"
#include "tamovid/base/file_io.h"
#include "tamovid/positions/tables.h"
#include "tamovid/positions/utc_offset.h"

namespace tamovid {
namespace {

// Only the exact lower-case ending counts: ".VUG" is refused, "chartvug" is not.
constexpr std::string_view kChartFileEnding = "vug";

bool HasChartFileEnding(std::string_view name) {
    return name.size() >= kChartFileEnding.size() &&
           name.substr(name.size() - kChartFileEnding.size()) == kChartFileEnding;
}

std::string NoChartMessage(const std::filesystem::path& path) {
    return "The file \"" + path.string() + "\" holds no chart that can be opened.";
}

/// The stored zone at the chart's moment, when this system can tell it.
std::optional<atlas::LocalTimeInZone> StoredZoneAtTheChart(const ChartFileContents& c) {
    if (!c.year || !c.month || !c.date || !c.hour || !c.minute || !atlas::IsKnownZone(*c.tz)) {
        return std::nullopt;
    }
    auto local = atlas::ResolveLocalTime(*c.tz, *c.year, *c.month, *c.date, *c.hour, *c.minute);
    if (!local.ok()) return std::nullopt;
    return std::move(local).value();
}

/// A stored zone name is only a label of the stored offset: one this system does not
/// know, or that disagrees with the offset, is dropped and said so, never shown as true.
/// Either reading of a clock time that a change of the clocks skipped or repeated agrees.
std::string CheckStoredZone(const std::filesystem::path& path, ChartFileContents& c) {
    if (!c.tz || !c.utcOffsetMinutes) return {};
    const std::string offset = "UTC" + UtcOffsetText(*c.utcOffsetMinutes);
    std::string notice;
    const std::optional<atlas::LocalTimeInZone> local = StoredZoneAtTheChart(c);
    if (!local) {
        notice = "The file " + QuotedPath(path) + " names the time zone \"" + *c.tz +
                 "\", which this system does not know; the chart uses the stored offset " + offset +
                 ".";
    } else if (*c.utcOffsetMinutes != local->offset.minutes &&
               (local->kind == atlas::LocalTimeInZone::Kind::kUnique ||
                *c.utcOffsetMinutes != local->later.minutes)) {
        notice = "The file " + QuotedPath(path) + " gives the offset " + offset + ", but " + *c.tz +
                 " was UTC" + UtcOffsetText(local->offset.minutes) +
                 " at the chart's moment; the chart uses the stored offset, without the zone.";
    }
    if (!notice.empty()) c.tz.reset();
    return notice;
}

/// "Kala=middle, Mrityu=middle, ..., Mandi=middle".
std::string UpagrahaPointsInWords(const upagrahas::UpagrahaOptions& options) {
    std::string text;
    for (const upagrahas::UpagrahaName& row : upagrahas::kUpagrahaNames) {
        if (!text.empty()) text += ", ";
        text += upagrahas::PointText(row.upagraha, options.At(row.upagraha));
    }
    return text;
}

}  // namespace

bool IsChartFileName(const std::filesystem::path& path) { return HasChartFileEnding(path.native()); }

std::string AyanamsaInWords(const ChartOptions& options) {
    if (options.engine == Engine::kClassic) return "the classic engine's own";
    return std::string(AyanamsaDisplayName(options.ayanamsa));
}

Result<OpenedChart, OpenRefusal> OpenChart(const std::filesystem::path& path,
                                           ChartOptions current) {
    if (!HasChartFileEnding(path.native())) {
        return Failure{
            OpenRefusal{OpenRefusal::Reason::kWrongEnding, std::string(kWrongChartFileMessage)}};
    }
    const FileReadResult file = ReadChartFile(path);
    if (!file.ok()) {
        return Failure{OpenRefusal{OpenRefusal::Reason::kUnreadable, file.error()}};
    }
    ChartFileReading reading = ReadChartFileContents(file.value());
    // Nothing usable would calculate an empty form and answer with a message about the
    // name, as if the file had been a chart missing only that.
    if (reading.contents == ChartFileContents{}) {
        return Failure{OpenRefusal{OpenRefusal::Reason::kNoChart, NoChartMessage(path)}};
    }
    // A chart made of what a damaged file still holds would be a different birth.
    if (reading.damage) {
        return Failure{OpenRefusal{OpenRefusal::Reason::kDamaged,
                                   "The file " + QuotedPath(path) +
                                       " is damaged: " + DescribeChartDamage(*reading.damage) +
                                       ". Nothing was opened."}};
    }
    OpenedChart opened;
    opened.engine = reading.contents.engine;
    opened.ayanamsa = reading.contents.ayanamsa;
    opened.node = reading.contents.node;
    opened.sunrise = reading.contents.sunrise;
    opened.portionLords = reading.contents.portionLords;
    opened.upagrahaPoints = reading.contents.upagrahaPoints;
    const ChartOptions used = opened.OptionsOver(current);
    const auto add = [&](const std::string& sentence) {
        if (sentence.empty()) return;
        if (!opened.notice.empty()) opened.notice += ' ';
        opened.notice += sentence;
    };
    // Each damaged line after the seventeen costs only its own setting, and says what the
    // chart uses instead.
    const auto note = [&](const std::optional<ChartDamage>& damage, const std::string& instead) {
        if (!damage) return;
        add("The file " + QuotedPath(path) + " is damaged after its first " +
            std::to_string(kChartFileLineCount) + " lines: " + DescribeChartDamage(*damage) +
            "; " + instead + ".");
    };
    note(reading.extraDamage, "the chart uses the time zone of line 7");
    if (!reading.extraDamage) add(CheckStoredZone(path, reading.contents));
    note(reading.engineDamage, "the chart uses the " + std::string(EngineName(used.engine)) +
                                   " engine");
    note(reading.ayanamsaDamage, used.engine == Engine::kClassic
                                     ? "the classic engine uses its own ayanamsa"
                                     : "the chart uses " + AyanamsaInWords(used));
    note(reading.nodeDamage,
         "the chart uses the " + std::string(LunarNodeKey(used.node)) + " node");
    note(reading.sunriseDamage,
         "the chart uses the " + std::string(upagrahas::SunriseRuleRow(used.upagrahas.sunrise).name) +
             " sunrise");
    note(reading.portionLordsDamage,
         "the chart's portions use " +
             std::string(upagrahas::kLordRuleKeys[static_cast<std::size_t>(used.upagrahas.lords)].name));
    note(reading.upagrahaPointsDamage,
         "the chart places the six as " + UpagrahaPointsInWords(used.upagrahas));
    note(reading.strayDamage, "it is left out");
    // An ayanamsa the reading will not use is said, never silently dropped.
    if (opened.ayanamsa && used.engine == Engine::kClassic) {
        add("The file " + QuotedPath(path) + " names the " +
            std::string(AyanamsaDisplayName(*opened.ayanamsa)) +
            " ayanamsa, which the classic engine does not use.");
    }
    opened.birth = ReadBirth(reading.contents);
    opened.entry = RestoreEntry(reading.contents);
    return opened;
}

Result<FileWritten, SaveRefusal> SaveChart(const std::filesystem::path& path,
                                           const BirthRecord& record, int timeZonePosition,
                                           const ChartExactZone& exact, ChartOptions options) {
    const ChartEncodeResult encoded = EncodeChartFile(record, timeZonePosition, exact, options);
    if (!encoded.ok()) {
        return Failure{SaveRefusal{SaveRefusal::Reason::kCannotStore,
                                   DescribeChartEncodeError(encoded.error())}};
    }
    FileWriteResult written = WriteFileAtomically(path, encoded.value());
    if (!written.ok()) {
        return Failure{SaveRefusal{SaveRefusal::Reason::kNotWritten, written.error()}};
    }
    return std::move(written).value();
}

}  // namespace tamovid
