#pragma once

#include <optional>
#include <string>

#include "tamovid/positions/civil_date_time.h"

namespace tamovid {

/// The Julian Day Number of 15 October 1582, the first day of the Gregorian calendar.
inline constexpr int kFirstGregorianDay = 2299161;

/// Julian day number of a civil date; Julian calendar up to 15 October 1582 (as the
/// day count runs), Gregorian after it. 1 January 2000 gives 2451545.
double JulianDayNumber(int month, int day, int year);

/// The calendar date and clock time of a Julian Date, rounded to the nearest minute: the
/// Gregorian calendar from 15 October 1582, the Julian one before it, as
/// JulianDayNumber counts days (the two differ only over 5 to 15 October 1582, dates the
/// switch left out or counts twice). Add the zone's offset (days) first for local clock time.
/// Nothing for a date that is not finite or lies beyond a million years.
std::optional<CivilDateTime> CivilMinuteOf(double julianDate);

/// "1972-11-08T03:15": CivilMinuteOf's date and time with `between` between them; "" for a
/// date it has none for.
std::string MinuteText(double julianDate, char between = 'T');

}  // namespace tamovid
