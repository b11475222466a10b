#pragma once

#include "tamovid/positions/birth_record.h"

namespace tamovid::testing_support {

/// 15 August 1947, 00:00, Indian Time (row 34), 77°13' E, 28°39' N, New Delhi: the chart
/// the engine tests, the chart file's golden sample and the form fixture all describe.
inline BirthRecord Delhi1947Record() {
    return {.strName = "Jawahar Lal",
            .intDate = 15,
            .intMonth = 8,
            .intYear = 1947,
            .intZoneHour = 5,
            .intZoneMinute = 30,
            .intLonDeg = 77,
            .intLonMin = 13,
            .intLatDeg = 28,
            .intLatMin = 39,
            .blnEast = true,
            .strCity = "New Delhi",
            .strState = "Delhi",
            .strCountry = "India",
            .vntZoneHour = -5,
            .vntZoneMinute = -30};
}

}  // namespace tamovid::testing_support
