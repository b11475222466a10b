#pragma once

#include <ostream>
#include <string>

#include "tamovid/fullreading/full_reading.h"

namespace tamovid::cli {

/// The six as JSON members, with the leading comma: "day" ("vara", "birth_in",
/// "sunrise", "sunset", "next_sunrise" in UT to the second), "upagrahas" (six objects:
/// "name", "lord", "moment" in UT to the millisecond, "longitude", "position",
/// "nakshatra", "pada", "house") and, where the Sun did not rise or set, "day" and
/// "upagrahas" null with the reason in "upagrahas_note".
void AppendUpagrahasJson(std::string& text, const Reading& reading, const ReadingUpagrahas& six);

/// The "Upagrahas" section of the readable reading: the day line, then each of the six.
void WriteUpagrahasText(std::ostream& out, const Reading& reading, const ReadingUpagrahas& six);

}  // namespace tamovid::cli
