#pragma once

#include <array>
#include <string>
#include <string_view>

#include "tamovid/fullreading/full_reading.h"
#include "tamovid/grahas/conjunction_note.h"
#include "tamovid/timewindow/time_window.h"

namespace tamovid {

/// A span of the birth-time window whose ends both lie beyond the hours searched.
inline constexpr std::string_view kUnchangedSpanText = "unchanged within 12 hours";

/// The clock times between which a value stays as at birth: "08:12 – 10:01", an end not
/// reached as "beyond 12 hours", or kUnchangedSpanText when neither is.
std::string SpanText(const timewindow::Span& span, const timewindow::LocalClock& birth);

/// Whole degrees and minutes of an arc, truncated as positions are: "9°18'".
std::string ArcText(double degrees);

/// The grahas in a point's sign with their distance from it, then the affliction
/// sentence when there is one: "Sun 9°18', Moon 14°42'. Chapa shares ..."; "" when the
/// point is alone in its sign.
std::string SignMatesText(std::string_view pointName, const PointNote& note);

/// What a reading says of one of the six, line by line: "Position at 18 Gem 46, Ardra 4",
/// "Rises at the middle of the Sun's portion, 07:58:35" (the birth's clock), its
/// description, "Kala is in the house 2 from the Ascendant" and that house's reading.
std::array<std::string, 5> UpagrahaLines(const Reading& reading,
                                         const upagrahas::Upagrahas& six,
                                         upagrahas::Upagraha which);

/// The line that gives the six their day ("Thursday, a day birth; sunrise 06:47:28, ..."),
/// in the birth's clock, or why there is none ("The Sun did not set at Tromsø on ...").
std::string UpagrahaDayText(const Reading& reading, const ReadingUpagrahas& six);

}  // namespace tamovid
