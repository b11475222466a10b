#pragma once

#include "swiss_session.h"
#include "tamovid/precise/precise_positions.h"

namespace tamovid::precise {

/// CalcPrecisePositions on a session the caller holds, so that a chart's grahas share
/// it with its Sun and Ascendant.
PrecisePositions CalcPrecisePositions(const BirthRecord& record, ChartOptions options,
                                      SwissSession& session);

}  // namespace tamovid::precise
