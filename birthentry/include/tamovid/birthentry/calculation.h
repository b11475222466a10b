#pragma once

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/engine.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/grahas/chart_options.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/result.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid {

/// Copies the form into the birth record, field by field. A value that cannot be read
/// (a list with nothing chosen, a number that does not parse, a zone row outside the
/// table) leaves that field of `previous` as it was.
BirthRecord FillBirthRecord(const BirthEntry& entry, BirthRecord previous);

/// The record the engines read for a birth.
BirthRecord RecordOf(const Birth& birth);

/// Everything one calculation shows.
struct Reading {
    Birth birth;               ///< what was calculated
    BirthRecord record;        ///< the same birth as the engines read it
    ZodiacPosition sun;        ///< sidereal
    ZodiacPosition ascendant;  ///< sidereal
    AprakashaResult grahas;
    Engine engine = Engine::kClassic;  ///< the engine that computed the Sun and Ascendant
    ChartOptions options;              ///< the precise engine's ayanamsa and node
};

/// Computes the Ascendant, the Sun and the five points of a birth. The precise engine uses
/// `options`' ayanamsa; the classic one has its own.
Reading Calculate(Birth birth, Engine engine = Engine::kClassic, ChartOptions options = {});

}  // namespace tamovid
