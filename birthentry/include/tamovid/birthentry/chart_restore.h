#pragma once

#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/chartfile/chart_file.h"

namespace tamovid {

/// The form after opening a chart file: each usable line sets its control, and a
/// missing or unusable line leaves the control as it was in `current`.
BirthEntry RestoreEntry(const ChartFileContents& contents, BirthEntry current);

}  // namespace tamovid
