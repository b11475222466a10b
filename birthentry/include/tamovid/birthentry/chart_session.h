#pragma once

#include <filesystem>
#include <string_view>

#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/chart_document.h"
#include "tamovid/birthentry/graha_table.h"
#include "tamovid/chartfile/chart_file.h"
#include "tamovid/base/file_io.h"
#include "tamovid/base/result.h"

namespace tamovid {

/// The chart a program works on: the last good calculation and the birth it was made of. The window and the command-line tool both go through one, so that
/// they calculate, print and save a chart alike.
class ChartSession {
public:
    /// Reads a chart file into a form entry (and a notice of what of it was set aside); the session
    /// is unchanged until the birth it gives is calculated. `current` is what the chart uses
    /// where the file is silent.
    static Result<OpenedChart, OpenRefusal> Open(const std::filesystem::path& path,
                                                 ChartOptions current = {});

    /// Calculates a birth; its reading becomes the session's chart.
    void Calculate(Birth birth, ChartOptions options = {});

    /// Calculates the last chart's birth again with other options (a setting changed while
    /// the chart is shown). Before the first calculation there is nothing to recalculate and
    /// nothing changes.
    void Recalculate(ChartOptions options);

    /// Whether a calculation has succeeded yet.
    bool calculated() const { return calculated_; }
    /// The last good reading; an empty one before the first.
    const Reading& reading() const { return reading_; }
    /// The last chart's birth, what a form's list with nothing chosen keeps; a blank one
    /// before the first calculation.
    const Birth& birth() const { return reading_.birth; }

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
    Reading reading_ = BlankReading();
    bool calculated_ = false;

    static Reading BlankReading();
};

}  // namespace tamovid
