#pragma once

// Opening and saving a chart file, the same for the window and the command-line tool.

#include <filesystem>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/chartfile/chart_file.h"
#include "tamovid/base/file_io.h"
#include "tamovid/choices/chart_options.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/base/result.h"

namespace tamovid {

/// Shown, with the critical icon, for a name that does not end in exactly "vug".
inline constexpr std::string_view kWrongChartFileMessage = "Please Check The File.";

/// Whether a chart file of this name can be opened: its name ends in exactly "vug".
bool IsChartFileName(const std::filesystem::path& path);

/// Why a chart file was not opened, with the sentence for the user.
struct OpenRefusal {
    enum class Reason {
        kWrongEnding,  ///< the name does not end in "vug"; nothing was read
        kUnreadable,   ///< missing, not a regular file, too large or a read error
        kNoChart,      ///< read, but not one line of it restores a control
        kDamaged,      ///< one of the seventeen lines is missing or cannot be read
    };
    Reason reason;
    std::string message;

    friend bool operator==(const OpenRefusal&, const OpenRefusal&) = default;
};

/// "Raman" for the precise engine, "the classic engine's own" for the classic one: the
/// ayanamsa a chart is calculated with, in words.
std::string AyanamsaInWords(const ChartOptions& options);

/// An opened chart: its birth, the form that shows it, and what the user should know about
/// the file.
struct OpenedChart {
    /// The birth the file gives, after the form's checks; nothing of a chart shown before
    /// fills a line the file leaves empty.
    Result<Birth, Refusal> birth = BlankBirth();
    /// The file's lines in the window's form.
    BirthEntry entry;
    /// Why the stored exact zone was not used, or empty: damaged lines after the
    /// seventeen, or a zone name that is unknown or disagrees with the stored offset;
    /// and an ayanamsa or node that could not be read.
    std::string notice;
    /// The engine, ayanamsa and node the chart was saved with; nothing where the file does
    /// not say (a chart saved with the default, or before files held them).
    std::optional<Engine> engine;
    std::optional<AyanamsaChoice> ayanamsa;
    std::optional<LunarNode> node;
    /// How the six upagrahas of the day were placed, likewise.
    std::optional<upagrahas::SunriseRule> sunrise;
    std::optional<upagrahas::LordRule> portionLords;
    std::optional<std::array<upagrahas::PortionPoint, upagrahas::kUpagrahaCount>> upagrahaPoints;

    /// The options to calculate the chart with: the file's, and `current` where it is silent.
    ChartOptions OptionsOver(ChartOptions current) const {
        ChartOptions options = current;
        options.engine = engine.value_or(current.engine);
        options.ayanamsa = ayanamsa.value_or(current.ayanamsa);
        options.node = node.value_or(current.node);
        options.upagrahas.sunrise = sunrise.value_or(current.upagrahas.sunrise);
        options.upagrahas.lords = portionLords.value_or(current.upagrahas.lords);
        options.upagrahas.at = upagrahaPoints.value_or(current.upagrahas.at);
        return options;
    }
};

/// Checks the name's ending, reads and decodes the file and restores the form from the
/// empty form; a file with a missing or unreadable line among the seventeen is refused
/// as damaged, naming the line. The caller then calculates the entry as if it had been
/// typed. The notice names what the chart uses instead of a setting the file could not
/// give, taking the file's choices over `current`.
Result<OpenedChart, OpenRefusal> OpenChart(const std::filesystem::path& path,
                                           ChartOptions current = {});

/// Why a chart was not saved, with the sentence for the user.
struct SaveRefusal {
    enum class Reason {
        kCannotStore,  ///< a value that a chart file cannot hold; nothing was written
        kNotWritten,   ///< the file could not be written; it is as it was
    };
    Reason reason;
    std::string message;

    friend bool operator==(const SaveRefusal&, const SaveRefusal&) = default;
};

/// Encodes the record and the time-zone list position (and an exact offset no row
/// gives, and the options where they are not the default) and replaces the file with them. A save
/// tells what changed about the file besides its content (its owner, its other hard links), if
/// anything.
Result<FileWritten, SaveRefusal> SaveChart(const std::filesystem::path& path,
                                           const BirthRecord& record, int timeZonePosition,
                                           const ChartExactZone& exact = {},
                                           ChartOptions options = {});

}  // namespace tamovid
