#pragma once

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/engine.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/grahas/chart_options.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/result.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid {

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
