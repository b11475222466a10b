#pragma once

#include "tamovid/birthentry/birth_entry.h"

namespace tamovid::testing_support {

/// The Delhi 1947 chart of Delhi1947Record() as the form holds it: complete and valid.
/// List positions count from the first entry: day 15, August, 1947; zone row 34 is
/// "Indian Time, IST, 5.3".
inline BirthEntry Delhi1947() {
    return {.txtName = "Jawahar Lal",
            .cboDate = 14,
            .cboMonth = 7,
            .cboYear = 46,
            .cboHour = 0,
            .cboMinute = 0,
            .cboTimeZone = 34,
            .txtLatDeg = "28",
            .txtLatMin = "39",
            .optLat = LatitudeOption::kNorth,
            .txtLonDeg = "77",
            .txtLonMin = "13",
            .optLong = LongitudeOption::kEast,
            .txtCity = "New Delhi",
            .txtState = "Delhi",
            .txtCountry = "India",
            .utcOffsetMinutes = std::nullopt,
            .tz = ""};
}

/// 3 December 1975, 10:30, Indian Time, 18°31' N, 73°51' E, Ravi Kumar of Pune.
inline BirthEntry Pune1975() {
    return {.txtName = "Ravi Kumar",
            .cboDate = 2,
            .cboMonth = 11,
            .cboYear = 74,
            .cboHour = 10,
            .cboMinute = 30,
            .cboTimeZone = 34,
            .txtLatDeg = "18",
            .txtLatMin = "31",
            .txtLonDeg = "73",
            .txtLonMin = "51",
            .txtCity = "Pune",
            .txtState = "Maharashtra",
            .txtCountry = "India",
            .utcOffsetMinutes = std::nullopt,
            .tz = ""};
}

}  // namespace tamovid::testing_support
