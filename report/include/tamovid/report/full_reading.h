#pragma once

#include <string>

#include "tamovid/fullreading/full_reading.h"
#include "tamovid/report/reading_document.h"

namespace tamovid {

/// The page of a full reading: it prints every part the reading holds.
inline PrintableReading PrintableOf(const FullReading& full, std::string zoneLabel,
                                    ChartStyle style) {
    return {full.reading, std::move(zoneLabel), style, full.grahas, full.timeWindow,
            full.vargas,  full.dasha,          CurrentJulianDate(), full.upagrahas};
}

}  // namespace tamovid
