#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "tamovid/positions/birth_record.h"
#include "tamovid/upagrahas/upagrahas.h"

namespace tamovid::upagrahas {

/// The birth place's clock at a moment: local time minus Universal Time, minutes, at a
/// Julian Date (UT). A zone's history may give different answers across a night.
using ClockOffset = std::function<int(double jdUt)>;

/// The clock of the record itself: its zone's correction and summer time, all day long.
ClockOffset RecordClock(const BirthRecord& record);

/// "Thursday", the weekday of the birth's day.
std::string_view VaraName(const BirthDay& day);

/// "day" or "night": the half of the day that holds the birth.
std::string_view BirthInKey(const BirthDay& day);

/// "1985-03-14T01:17:28": a moment in Universal Time to the nearest second.
std::string UtSecondText(double jdUt);
/// "1985-03-14T07:58:35.412": the same to the nearest millisecond.
std::string UtMillisecondText(double jdUt);

/// "07:58:35": a moment as the place's clock showed it, to the nearest second.
std::string LocalClockText(double jdUt, const ClockOffset& clock);

/// "the Sun's portion", "Saturn's portion": the portion a point rises in.
std::string PortionName(Graha lord);

/// The line a reading gives the day, with clock times as the place's clock showed them:
/// "Thursday, a day birth; sunrise 06:47:28, sunset 18:40:34 (Hindu sunrise: the
/// disc's centre, no refraction); Gulika at the start of Saturn's portion, Mandi at its
/// middle." A night birth names the sunset and the next sunrise.
std::string DayLine(const Upagrahas& upagrahas, const ClockOffset& clock);

/// "The Sun did not set at Tromsø on 21 June 1990": why the six are missing, with the
/// record's city and date ("at the birth place" when no city was given).
std::string NoDayText(const NoDay& reason, const BirthRecord& record);

}  // namespace tamovid::upagrahas
