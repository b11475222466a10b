#include "tamovid/birthentry/chart_session.h"

#include <utility>
#include <variant>

#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

/// The offset lines a saved chart adds after its seventeen: only an exact zone has them.
ChartExactZone ExactZoneOf(const Birth& birth) {
    if (const auto* exact = std::get_if<ExactZone>(&birth.zone)) {
        return {exact->offsetMinutes, birth.zoneName};
    }
    return {};
}

}  // namespace

Result<OpenedChart, OpenRefusal> ChartSession::Open(const std::filesystem::path& path,
                                                    ChartOptions current) {
    return OpenChart(path, current);
}

Reading ChartSession::BlankReading() {
    Reading blank;
    blank.birth = BlankBirth();
    return blank;
}

void ChartSession::Calculate(Birth birth, ChartOptions options) {
    reading_ = tamovid::Calculate(std::move(birth), options);
    calculated_ = true;
}

void ChartSession::Recalculate(ChartOptions options) {
    if (!calculated_) return;
    reading_ = tamovid::Calculate(reading_.birth, options);
}

int ChartSession::ZoneRow() const { return reading_.birth.TableRow().value_or(-1); }

std::string_view ChartSession::ZoneLabel() const {
    const std::optional<int> row = reading_.birth.TableRow();
    return row ? strTimeZones[static_cast<std::size_t>(*row)] : std::string_view{};
}

Result<void, SaveRefusal> ChartSession::CheckSavable() const {
    const ChartEncodeResult encoded = EncodeChartFile(
        reading_.record, reading_.birth.ShownZone().row, ExactZoneOf(reading_.birth),
        reading_.options);
    if (!encoded.ok()) {
        return Failure{SaveRefusal{SaveRefusal::Reason::kCannotStore,
                                   DescribeChartEncodeError(encoded.error())}};
    }
    return {};
}

Result<FileWritten, SaveRefusal> ChartSession::Save(const std::filesystem::path& path) const {
    return SaveChart(path, reading_.record, reading_.birth.ShownZone().row,
                     ExactZoneOf(reading_.birth), reading_.options);
}

}  // namespace tamovid
