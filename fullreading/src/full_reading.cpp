#include "tamovid/fullreading/full_reading.h"

namespace tamovid {

FullReading ComputeFullReading(const ChartSession& session, ReadingParts parts) {
    FullReading full{session.reading(), std::nullopt, std::nullopt};
    const Reading& reading = full.reading;
    if (parts.grahas) full.grahas = ComputeGrahaTable(reading);
    if (parts.timeWindow) {
        full.timeWindow =
            timewindow::ComputeTimeWindow(timewindow::WindowChartOf(reading, parts.grahas));
    }
    return full;
}

}  // namespace tamovid
