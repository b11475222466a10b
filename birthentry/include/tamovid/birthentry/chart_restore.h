#pragma once

#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/chartfile/chart_file.h"

namespace tamovid {

/// The form with nothing in it: every text empty, no list entry chosen, neither option
/// of a pair chosen, the daylight-saving box cleared.
BirthEntry EmptyForm();

/// The form after opening a chart file. It starts from the empty form, never from what
/// the window showed before, so that nothing of another chart survives: each usable line
/// sets its control, and a missing or unusable line leaves that control empty.
BirthEntry RestoreEntry(const ChartFileContents& contents);

}  // namespace tamovid
