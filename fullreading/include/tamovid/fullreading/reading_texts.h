#pragma once

#include <string>
#include <string_view>

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

}  // namespace tamovid
