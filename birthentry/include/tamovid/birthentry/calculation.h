#pragma once

#include <optional>
#include <string>

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/choices/chart_options.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/result.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid {

/// Copies the form into the birth record, field by field. A value that cannot be read
/// (a list with nothing chosen, a number that does not parse, a zone row outside the
/// table) leaves that field of `previous` as it was.
BirthRecord FillBirthRecord(const BirthEntry& entry, BirthRecord previous);

/// Everything one calculation shows.
struct Reading {
    BirthRecord record;
    ZodiacPosition sun;        ///< sidereal
    ZodiacPosition ascendant;  ///< sidereal
    AprakashaResult grahas;
    ChartOptions options;              ///< the engine, ayanamsa, node .. it was calculated with
    std::optional<int> zoneRow;        ///< the zone-list row used; nothing when an exact offset was
    std::string tz;                    ///< the place's IANA zone, empty when the zone was typed
};

/// Validate, fill the record, compute the Ascendant, the Sun and the five points.
/// `previous` is the record of the last successful calculation. The precise engine uses
/// `options`' ayanamsa; the classic one has its own.
Result<Reading, Refusal> Calculate(const BirthEntry& entry, const BirthRecord& previous = {},
                                   ChartOptions options = {});

}  // namespace tamovid
