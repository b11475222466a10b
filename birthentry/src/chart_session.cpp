#include "tamovid/birthentry/chart_session.h"

#include <utility>

#include "tamovid/positions/tables.h"

namespace tamovid {

Result<OpenedChart, OpenRefusal> ChartSession::Open(const std::filesystem::path& path,
                                                    ChartOptions current) {
    return OpenChart(path, current);
}

Result<void, Refusal> ChartSession::Calculate(const BirthEntry& entry, ChartOptions options) {
    return CalculateFrom(BirthEntry(entry), reading_.record, filePosition_, options);
}

Result<void, Refusal> ChartSession::CalculateOpened(BirthEntry entry, ChartOptions options) {
    // The same blank chart every time: found once, as a batch opens a chart a row.
    static const ChartBase kBase = OpenedChartBase();
    return CalculateFrom(std::move(entry), kBase.record, kBase.timeZonePosition, options);
}

Result<void, Refusal> ChartSession::CalculateFrom(BirthEntry&& entry, const BirthRecord& base,
                                                  int baseFilePosition, ChartOptions options) {
    Result<Reading, Refusal> outcome = tamovid::Calculate(entry, base, options);
    if (!outcome.ok()) return Failure{outcome.error()};
    reading_ = std::move(outcome).value();
    calculated_ = true;
    filePosition_ = entry.cboTimeZone >= 0 ? entry.cboTimeZone : baseFilePosition;
    exact_ = {entry.utcOffsetMinutes, entry.tz};
    entry_ = std::move(entry);
    base_ = base;
    baseFilePosition_ = baseFilePosition;
    return {};
}

Result<void, Refusal> ChartSession::Recalculate(ChartOptions options) {
    if (!calculated_) return {};
    // Copies: a success overwrites the members they come from.
    const BirthRecord base = base_;
    return CalculateFrom(BirthEntry(entry_), base, baseFilePosition_, options);
}

int ChartSession::ZoneRow() const { return reading_.zoneRow.value_or(-1); }

std::string_view ChartSession::ZoneLabel() const {
    return reading_.zoneRow ? strTimeZones[static_cast<std::size_t>(*reading_.zoneRow)]
                            : std::string_view{};
}

Result<void, SaveRefusal> ChartSession::CheckSavable() const {
    const ChartEncodeResult encoded =
        EncodeChartFile(reading_.record, filePosition_, exact_, reading_.options);
    if (!encoded.ok()) {
        return Failure{SaveRefusal{SaveRefusal::Reason::kCannotStore,
                                   DescribeChartEncodeError(encoded.error())}};
    }
    return {};
}

Result<FileWritten, SaveRefusal> ChartSession::Save(const std::filesystem::path& path) const {
    return SaveChart(path, reading_.record, filePosition_, exact_, reading_.options);
}

}  // namespace tamovid
