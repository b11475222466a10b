#pragma once

#include <string>

#include "tamovid/birthentry/chart_session.h"
#include "tamovid/report/reading_document.h"
#include "tamovid/timewindow/time_window.h"

namespace tamovid {

/// The session's chart with everything a reading can print: the graha table and the
/// birth-time window (with the nine grahas), in the chart's engine and options.
inline PrintableReading FullPrintableReading(const ChartSession& session, ChartStyle style) {
    const Reading& reading = session.reading();
    return {reading, std::string(session.ZoneLabel()), style, session.Grahas(),
            timewindow::ComputeTimeWindow(
                timewindow::WindowChartOf(reading, /*withGrahas=*/true, reading.options))};
}

}  // namespace tamovid
