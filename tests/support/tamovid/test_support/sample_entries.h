#pragma once

#include "tamovid/birthentry/birth_entry.h"

namespace tamovid::testing_support {

/// The Delhi 1947 chart of Delhi1947Record() as the form holds it: complete and valid.
inline BirthEntry Delhi1947() {
    BirthEntry e;
    e.txtName = "Jawahar Lal";
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

/// 3 December 1975, 10:30, Indian Time, 18°31' N, 73°51' E, Ravi Kumar of Pune.
inline BirthEntry Pune1975() {
    BirthEntry e = Delhi1947();
    e.txtName = "Ravi Kumar";
    e.cboYear = 74;
    e.cboMonth = 11;
    e.cboDate = 2;
    e.cboHour = 10;
    e.cboMinute = 30;
    e.txtLatDeg = "18";
    e.txtLatMin = "31";
    e.txtLonDeg = "73";
    e.txtLonMin = "51";
    e.txtCity = "Pune";
    e.txtState = "Maharashtra";
    return e;
}

}  // namespace tamovid::testing_support
