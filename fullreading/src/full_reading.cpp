#include "tamovid/fullreading/full_reading.h"

namespace tamovid {

namespace {

ReadingUpagrahas ComputeUpagrahas(const Reading& reading, const std::optional<GrahaTable>& grahas) {
    ReadingUpagrahas six{upagrahas::CalcUpagrahas(
                             upagrahas::ChartOf(reading.record, reading.engine, reading.options,
                                                reading.ascendant.longitude),
                             upagrahas::UpagrahaOptions{}),  // XXX options after merge
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

std::vector<NamedLongitude> UpagrahaLongitudes(const FullReading& full) {
    std::vector<NamedLongitude> points;
    if (!full.upagrahas || !full.upagrahas->placed.ok()) return points;
    for (const upagrahas::UpagrahaPlace& place : full.upagrahas->placed.value().places) {
        const upagrahas::UpagrahaName& row = upagrahas::kUpagrahaNames[upagrahas::UpagrahaIndex(place.upagraha)];
        points.push_back({row.name, row.label, place.longitude});
    }
    return points;
}

FullReading ComputeFullReading(const ChartSession& session, ReadingParts parts) {
    FullReading full{session.reading(), std::nullopt, std::nullopt, std::nullopt};
    const Reading& reading = full.reading;
    if (parts.grahas) full.grahas = ComputeGrahaTable(reading);
    if (parts.timeWindow) {
        full.timeWindow = timewindow::ComputeTimeWindow(
            timewindow::WindowChartOf(reading, parts.grahas, reading.options));
    }
    if (parts.upagrahas) full.upagrahas = ComputeUpagrahas(reading, full.grahas);
    return full;
}

}  // namespace tamovid
