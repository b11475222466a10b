#pragma once

#include "tamovid/base/result.h"
#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/chartfile/chart_file.h"

namespace tamovid {

/// The form with nothing in it: every text empty, no list entry chosen, neither option
/// of a pair chosen, the daylight-saving box cleared.
BirthEntry EmptyForm();

/// The form after opening a chart file. It starts from the empty form, never from what
/// the window showed before, so that nothing of another chart survives: each usable line
/// sets its control, and a missing or unusable line leaves that control empty.
BirthEntry RestoreEntry(const ChartFileContents& contents);

/// The birth a chart file gives, read straight from its values after the form's checks,
/// with the form's refusals in their order; the same birth the form calculates once it
/// shows the file.
Result<Birth, Refusal> ReadBirth(const ChartFileContents& contents);

}  // namespace tamovid
