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

ReadingUpagrahas ComputeUpagrahas(const Reading& reading, const std::optional<GrahaTable>& grahas) {
    ReadingUpagrahas six{upagrahas::CalcUpagrahas(
                             upagrahas::ChartOf(reading.record, reading.options, reading.ascendant.longitude),
                             reading.options.upagrahas),
                         std::nullopt};
    if (six.placed.ok() && grahas) {
        auto& notes = six.notes.emplace();
        for (const upagrahas::UpagrahaPlace& place : six.placed.value().places) {
            notes[upagrahas::UpagrahaIndex(place.upagraha)] =
                NoteOf(place.longitude, grahas->grahas, reading.ascendant.longitude);
        }
    }
    return six;
}

}  // namespace

GrahaRow UpagrahaRow(const upagrahas::UpagrahaPlace& place) {
    const upagrahas::UpagrahaName& names =
        upagrahas::kUpagrahaNames[upagrahas::UpagrahaIndex(place.upagraha)];
    return {names.name, names.label, place.position, place.nakshatra, place.house, false};
}

std::vector<NamedLongitude> UpagrahaLongitudes(const ReadingUpagrahas& six) {
    std::vector<NamedLongitude> points;
    if (!six.placed.ok()) return points;
    for (const upagrahas::UpagrahaPlace& place : six.placed.value().places) {
        const upagrahas::UpagrahaName& row = upagrahas::kUpagrahaNames[upagrahas::UpagrahaIndex(place.upagraha)];
        points.push_back({row.name, row.label, place.longitude});
    }
    return points;
}

FullReading ComputeFullReading(const ChartSession& session, ReadingParts parts) {
    FullReading full{session.reading(), std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                     std::nullopt};
    const Reading& reading = full.reading;
    // The divisional charts and the dasha are made from the grahas, kept only when asked.
    std::optional<GrahaTable> table;
    if (parts.grahas || parts.vargas || parts.dasha) table = ComputeGrahaTable(reading);
    if (parts.upagrahas) {
        full.upagrahas = ComputeUpagrahas(reading, parts.grahas ? table : std::nullopt);
    }
    if (parts.vargas) {
        std::vector<VargaBody>& bodies = full.vargas.emplace(VargaBodiesOf(*table));
        // The six take part in every division, each from its own longitude.
        if (full.upagrahas) {
            for (const NamedLongitude& point : UpagrahaLongitudes(*full.upagrahas)) {
                bodies.push_back(VargaBodyOf(point.name, point.label, point.longitude));
            }
        }
    }
    if (parts.dasha) full.dasha = DashaOf(reading, *table);
    if (parts.grahas) full.grahas = std::move(table);
    if (parts.timeWindow) {
        timewindow::WindowChart chart = timewindow::WindowChartOf(reading, parts.grahas);
        if (parts.upagrahas) chart.upagrahas = reading.options.upagrahas;
        full.timeWindow = timewindow::ComputeTimeWindow(chart);
    }
    return full;
}

}  // namespace tamovid
