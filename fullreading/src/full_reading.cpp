#include "tamovid/fullreading/full_reading.h"

namespace tamovid {

namespace {

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
    FullReading full{session.reading(), std::nullopt, std::nullopt, std::nullopt};
    const Reading& reading = full.reading;
    if (parts.grahas) full.grahas = ComputeGrahaTable(reading);
    if (parts.timeWindow) {
        timewindow::WindowChart chart = timewindow::WindowChartOf(reading, parts.grahas);
        if (parts.upagrahas) chart.upagrahas = reading.options.upagrahas;
        full.timeWindow = timewindow::ComputeTimeWindow(chart);
    }
    if (parts.upagrahas) full.upagrahas = ComputeUpagrahas(reading, full.grahas);
    return full;
}

}  // namespace tamovid
