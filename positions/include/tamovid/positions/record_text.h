#pragma once

#include <string>

#include "tamovid/positions/birth_record.h"

namespace tamovid {

/// "07" for 7, "42" for 42: clock times and minutes of arc.
std::string TwoDigits(int value);

/// The city, state and country that are given, joined by ", ".
std::string PlaceText(const BirthRecord& record);

/// "28°39' N": whole degrees, two-digit minutes and the direction letter.
std::string DegreesMinutesText(int degrees, int minutes, char direction);

}  // namespace tamovid
