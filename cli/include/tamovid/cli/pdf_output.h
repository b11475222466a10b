#pragma once

#include <string>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/chartfile/file_io.h"

namespace tamovid::cli {

/// Whether a file name ends in .pdf (any case).
bool IsPdfName(const std::string& path);

/// Writes the printable reading as a PDF document on the paper of the system's locale,
/// replacing the file whole or leaving it as it was. zoneRow is the time-zone row the
/// reading was computed with; the chart is drawn in the South Indian style. Needs no display.
FileWriteResult WriteReadingPdfFile(const Reading& reading, int zoneRow, const std::string& path);

}  // namespace tamovid::cli
