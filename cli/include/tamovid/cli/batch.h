#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "tamovid/cli/chart_extras.h"
#include "tamovid/choices/chart_options.h"

namespace tamovid::cli {

struct BatchResult {
    int exitCode = 0;      ///< kExitOk once every row was answered, even with refused rows
    std::string error;     ///< why the batch stopped, when exitCode is not kExitOk
    std::size_t rows = 0;  ///< data rows answered
    std::size_t failedRows = 0;
    std::size_t warnedRows = 0;  ///< rows answered with a "warning"
    /// What the user should know about the whole batch: stand-ins for absent columns, rows
    /// with a warning.
    std::vector<std::string> notices;
};

/// Reads a CSV of births (a header row naming the columns, then one birth per line) and
/// writes one JSON line per data row, in input order: the reading with "row", or
/// {"row", "error"} for a row that cannot be read or is refused. Blank lines are skipped
/// and not counted. A bad header stops the batch with kExitUsage, a read or write
/// failure with kExitIoError. Nothing is kept from one row to the next but the atlas,
/// loaded for the first row that names a place.
BatchResult RunBatch(std::istream& in, std::ostream& out, ChartOptions options = {},
                     ReadingParts extras = {});

}  // namespace tamovid::cli
