#pragma once

#include "tamovid/aprakasha/aprakasha.h"
#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/choices/chart_options.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/base/result.h"
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
    ChartOptions options;      ///< the engine, ayanamsa, node .. it was calculated with
};

/// Computes the Ascendant, the Sun and the five points of a birth. The precise engine uses
/// `options`' ayanamsa; the classic one has its own.
Reading Calculate(Birth birth, ChartOptions options = {});

}  // namespace tamovid
