#pragma once

#include "tamovid/birthentry/birth_entry.h"

namespace tamovid::testing_support {

/// 15 August 1947, 00:00, Indian Time, 77°13' E, 28°39' N: a complete, valid form.
inline BirthEntry Delhi1947() {
    BirthEntry e;
    e.txtName = "Asha";
    e.cboDate = 14;   // 15
    e.cboMonth = 7;   // August
    e.cboYear = 46;   // 1947
    e.cboHour = 0;
    e.cboMinute = 0;
    e.cboTimeZone = 34;  // "Indian Time, IST, 5.3"
    e.txtLatDeg = "28";
    e.txtLatMin = "39";
    e.optLat = LatitudeOption::kNorth;
    e.txtLonDeg = "77";
    e.txtLonMin = "13";
    e.optLong = LongitudeOption::kEast;
    e.txtCity = "New Delhi";
    e.txtState = "Delhi";
    e.txtCountry = "India";
    return e;
}

}  // namespace tamovid::testing_support
