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

std::variant<OpenRefusal, BirthEntry> OpenChart(const std::filesystem::path& path) {
    if (!HasChartFileEnding(path.native())) {
        return OpenRefusal{OpenRefusal::Reason::kWrongEnding, std::string(kWrongChartFileMessage)};
    }
    const FileReadResult file = ReadChartFile(path);
    if (!file.bytes) {
        return OpenRefusal{OpenRefusal::Reason::kUnreadable, file.error};
    }
    const ChartFileContents contents = DecodeChartFile(*file.bytes);
    // Nothing usable would calculate an empty form and answer with a message about the
    // name, as if the file had been a chart missing only that.
    if (contents == ChartFileContents{}) {
        return OpenRefusal{OpenRefusal::Reason::kNoChart, NoChartMessage(path)};
    }
    return RestoreEntry(contents);
}

ChartSaveResult SaveChart(const std::filesystem::path& path, const BirthRecord& record,
                          int timeZonePosition) {
    const ChartEncodeResult encoded = EncodeChartFile(record, timeZonePosition);
    if (encoded.error) {
        return {ChartSaveResult::Status::kCannotStore, DescribeChartEncodeError(*encoded.error)};
    }
    FileWriteResult written = WriteFileAtomically(path, encoded.bytes);
    if (!written.ok) {
        return {ChartSaveResult::Status::kNotWritten, std::move(written.error)};
    }
    return {ChartSaveResult::Status::kSaved, std::move(written.notice)};
}

}  // namespace tamovid
