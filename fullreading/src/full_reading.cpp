#include "tamovid/fullreading/full_reading.h"

#include "tamovid/precise/precise_positions.h"

namespace tamovid {
namespace {

/// The periods of a chart from its Moon, counted from the birth's moment in UT in the
/// chart's dasha year.
std::optional<Vimshottari> DashaOf(const Reading& reading, const GrahaTable& table) {
    const precise::TwoPartDate birth = precise::UniversalJulianDate(reading.record);
    return CalcVimshottari(table.grahas[GrahaIndex(Graha::kMoon)].longitude,
                           birth.whole + birth.fraction, reading.options.dashaYear);
}

}  // namespace

FullReading ComputeFullReading(const ChartSession& session, ReadingParts parts) {
    FullReading full{session.reading(), std::nullopt, std::nullopt, std::nullopt, std::nullopt};
    const Reading& reading = full.reading;
    // The divisional charts and the dasha are made from the grahas, kept only when asked.
    std::optional<GrahaTable> table;
    if (parts.grahas || parts.vargas || parts.dasha) table = ComputeGrahaTable(reading);
    if (parts.vargas) full.vargas = VargaBodiesOf(*table);
    if (parts.dasha) full.dasha = DashaOf(reading, *table);
    if (parts.grahas) full.grahas = std::move(table);
    if (parts.timeWindow) {
        full.timeWindow =
            timewindow::ComputeTimeWindow(timewindow::WindowChartOf(reading, parts.grahas));
    }
    return full;
}

}  // namespace tamovid
