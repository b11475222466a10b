#include "tamovid/birthentry/chart_document.h"

#include "tamovid/birthentry/chart_restore.h"
#include "tamovid/chartfile/chart_file.h"
#include "tamovid/chartfile/file_io.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

// Only the exact lower-case ending counts: ".VUG" is refused, "chartvug" is not.
constexpr std::string_view kChartFileEnding = "vug";

bool HasChartFileEnding(std::string_view name) {
    return name.size() >= kChartFileEnding.size() &&
           name.substr(name.size() - kChartFileEnding.size()) == kChartFileEnding;
}

std::string NoChartMessage(const std::filesystem::path& path) {
    return "The file \"" + path.string() + "\" holds no chart that can be opened.";
}

}  // namespace

ChartBase OpenedChartBase() {
    ChartBase base;
    for (std::size_t row = 0; row < kTimeZoneCount; ++row) {
        if (intTZHours[row] == base.record.vntZoneHour &&
            intTZMinutes[row] == base.record.vntZoneMinute) {
            base.timeZonePosition = static_cast<int>(row);
            break;
        }
    }
    return base;
}

Result<BirthEntry, OpenRefusal> OpenChart(const std::filesystem::path& path) {
    if (!HasChartFileEnding(path.native())) {
        return Failure{
            OpenRefusal{OpenRefusal::Reason::kWrongEnding, std::string(kWrongChartFileMessage)}};
    }
    const FileReadResult file = ReadChartFile(path);
    if (!file.ok()) {
        return Failure{OpenRefusal{OpenRefusal::Reason::kUnreadable, file.error()}};
    }
    const ChartFileContents contents = DecodeChartFile(file.value());
    // Nothing usable would calculate an empty form and answer with a message about the
    // name, as if the file had been a chart missing only that.
    if (contents == ChartFileContents{}) {
        return Failure{OpenRefusal{OpenRefusal::Reason::kNoChart, NoChartMessage(path)}};
    }
    return RestoreEntry(contents);
}

Result<FileWritten, SaveRefusal> SaveChart(const std::filesystem::path& path,
                                           const BirthRecord& record, int timeZonePosition,
                                           const ChartExactZone& exact) {
    const ChartEncodeResult encoded = EncodeChartFile(record, timeZonePosition, exact);
    if (!encoded.ok()) {
        return Failure{SaveRefusal{SaveRefusal::Reason::kCannotStore,
                                   DescribeChartEncodeError(encoded.error())}};
    }
    FileWriteResult written = WriteFileAtomically(path, encoded.value());
    if (!written.ok()) {
        return Failure{SaveRefusal{SaveRefusal::Reason::kNotWritten, written.error()}};
    }
    return std::move(written).value();
}

}  // namespace tamovid
