#pragma once

#include "tamovid/positions/birth_record.h"

namespace tamovid::testing_support {

/// 15 August 1947, 00:00, Indian Time (row 34), 77°13' E, 28°39' N, New Delhi: the chart
/// the engine tests, the chart file's golden sample and the form fixture all describe.
inline BirthRecord Delhi1947Record() {
    BirthRecord r;
    r.strName = "Jawahar Lal";
    r.intDate = 15;
    r.intMonth = 8;
    r.intYear = 1947;
    r.intZoneHour = 5;
    r.intZoneMinute = 30;
    r.vntZoneHour = -5;
    r.vntZoneMinute = -30;
    r.intLonDeg = 77;
    r.intLonMin = 13;
    r.blnEast = true;
    r.intLatDeg = 28;
    r.intLatMin = 39;
    r.strCity = "New Delhi";
    r.strState = "Delhi";
    r.strCountry = "India";
    return r;
}

}  // namespace tamovid::testing_support
