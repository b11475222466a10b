#pragma once

#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/chartfile/chart_file.h"

namespace tamovid::cli {

/// The form after opening a chart file in a freshly started window: each usable line
/// sets its control, and a missing or unusable line leaves the control's start value.
BirthEntry EntryFromChartFile(const ChartFileContents& contents);

}  // namespace tamovid::cli
