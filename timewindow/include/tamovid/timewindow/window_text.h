#pragma once

#include <optional>
#include <string>

#include "tamovid/timewindow/time_window.h"

namespace tamovid::timewindow {

/// "14:05", or "2021-03-15 00:04" when the clock's date is not the birth's.
std::string ClockText(const LocalClock& clock, const LocalClock& birth);

/// ClockText of a bound, or "beyond 12 hours" for an end not reached.
std::string BoundText(const std::optional<Bound>& bound, const LocalClock& birth);

/// The nearest change of house in a sentence: "A birth 7 minutes earlier moves Parivesha
/// from house 9 to house 10." (several points joined with commas and "and"), or
/// "No birth within 12 hours either way moves any of the five points to another house."
std::string HouseShiftSentence(const TimeWindow& window);

}  // namespace tamovid::timewindow
