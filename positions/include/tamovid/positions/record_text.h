#pragma once

#include <array>
#include <string>
#include <string_view>

#include "tamovid/positions/birth_record.h"

namespace tamovid {

/// The months as the form's list and every printed date name them.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

/// "15 August 1947"; a month outside 1..12 is written as its number.
std::string DateText(int dayOfMonth, int month, int year);

/// The city, state and country that are given, joined by ", ".
std::string PlaceText(const BirthRecord& record);

/// "28°39' N": whole degrees, two-digit minutes and the direction letter.
std::string DegreesMinutesText(int degrees, int minutes, char direction);

}  // namespace tamovid
