#pragma once

#include <filesystem>
#include <string_view>

#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/chart_document.h"
#include "tamovid/birthentry/graha_table.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/chartfile/chart_file.h"
#include "tamovid/chartfile/file_io.h"
#include "tamovid/positions/result.h"

namespace tamovid {

/// The chart a program works on: the last good calculation, the zone it used and where a
/// saved file puts it. The window and the command-line tool both go through one, so that
/// they calculate, print and save a chart alike.
class ChartSession {
public:
    /// Reads a chart file into a form entry (and a notice of what of it was set aside); the session
    /// is unchanged until the entry is calculated with CalculateOpened. `current` is what the
    /// chart uses where the file is silent.
    static Result<OpenedChart, OpenRefusal> Open(const std::filesystem::path& path,
                                                 ChartOptions current = {});

    /// Calculates a typed entry. A value the form leaves unread (a list with nothing
    /// chosen) keeps the last good calculation's. On success the reading becomes the
    /// session's chart; a refusal leaves the session as it was.
    Result<void, Refusal> Calculate(const BirthEntry& entry, ChartOptions options = {});

    /// The same for an entry restored from a chart file: it starts from a blank chart,
    /// so nothing of the chart calculated before survives. Taken by value, so that a
    /// caller done with its entry (a batch row) can hand it over instead of copying it.
    Result<void, Refusal> CalculateOpened(BirthEntry entry, ChartOptions options = {});

    /// Calculates the last good chart's entry again, exactly as it was calculated then, with
    /// another engine or options (a setting changed while the chart is shown). Before the
    /// first calculation there is nothing to recalculate and nothing changes; a refusal
    /// leaves the session as it was.
    Result<void, Refusal> Recalculate(ChartOptions options);

    /// Whether a calculation has succeeded yet.
    bool calculated() const { return calculated_; }
    /// The last good reading; an empty one before the first.
    const Reading& reading() const { return reading_; }

    /// The zone-list row the reading's offset came from, or -1 when none did (an exact
    /// offset, or a chart whose zone could not be read).
    int ZoneRow() const;
    /// That row's label, as a printed reading names the zone; "" when there is none.
    std::string_view ZoneLabel() const;

    /// Why the chart could not be stored, checked before a file name is asked for.
    Result<void, SaveRefusal> CheckSavable() const;
    /// Writes the chart of the last good calculation, with the engine, ayanamsa and node it
    /// was calculated with where they are not the default.
    Result<FileWritten, SaveRefusal> Save(const std::filesystem::path& path) const;

private:
    Result<void, Refusal> CalculateFrom(BirthEntry&& entry, const BirthRecord& base,
                                        int baseFilePosition, ChartOptions options);

    Reading reading_;
    bool calculated_ = false;
    /// What the last good calculation started from, for Recalculate.
    BirthEntry entry_;
    BirthRecord base_;
    int baseFilePosition_ = 0;
    /// The zone-list position a saved file names: the entry's, or the base's when the list
    /// had nothing chosen.
    int filePosition_ = 0;
    ChartExactZone exact_;
};

}  // namespace tamovid
