#include "tamovid/cli/batch.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "batch_writer.h"
#include "tamovid/birthentry/chart_session.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/cli/chart_fields.h"
#include "tamovid/cli/csv.h"
#include "tamovid/cli/exit_codes.h"
#include "tamovid/cli/place_fields.h"
#include "tamovid/cli/reading_output.h"

namespace tamovid::cli {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
/// Answers are handed to the writer this many at a time: about one piece of output.
constexpr std::size_t kRowsPerBlock = 128;

// Unlike the form's TrimBlanks, a header name also loses tabs: spreadsheets and hand-made
// files put them around column names, and no name holds one.
std::string_view TrimBlanksAndTabs(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string KnownColumns() {
    std::string known;
    for (const std::string_view name : kChartFieldNames) {
        if (!known.empty()) known += ", ";
        known += name;
    }
    return known;
}

/// The field of each column, or the reason the header cannot be used.
Result<std::vector<ChartField>, std::string> ReadHeader(std::string_view line) {
    if (line.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
        line.remove_prefix(kUtf8ByteOrderMark.size());
    }
    std::vector<std::string> names;
    if (const Result<void, std::string> split = SplitCsvLine(line, names); !split.ok()) {
        return Failure{"the CSV header cannot be read: " + split.error()};
    }
    std::vector<ChartField> columns;
    std::array<bool, kChartFieldCount> seen{};
    for (const std::string& rawName : names) {
        const std::string_view name = TrimBlanksAndTabs(rawName);
        // Spreadsheets capitalise headers ("Name,Date,Time,Place"): any case names a column.
        std::string lower(name);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
        const std::optional<ChartField> field = ChartFieldByName(lower);
        if (!field) {
            return Failure{"unknown column \"" + std::string(name) +
                           "\" in the CSV header (known: " + KnownColumns() + ")"};
        }
        bool& wasSeen = seen[static_cast<std::size_t>(*field)];
        if (wasSeen)
            return Failure{"the column \"" + std::string(name) +
                           "\" appears twice in the CSV header"};
        wasSeen = true;
        columns.push_back(*field);
    }
    auto has = [&](ChartField field) { return seen[static_cast<std::size_t>(field)]; };
    const bool place = has(ChartField::kPlace);
    const bool zone = place || has(ChartField::kTz) || has(ChartField::kUtcOffset);
    for (std::size_t i = 0; i < kChartFieldCount; ++i) {
        const auto field = static_cast<ChartField>(i);
        // A place gives the coordinates and the zone; a tz or utc_offset column the zone.
        const bool elsewhere = (field == ChartField::kZone && zone) ||
                               ((field == ChartField::kLat || field == ChartField::kLon) && place);
        if (!seen[i] && IsRequiredField(field) && !elsewhere) {
            return Failure{"the CSV header lacks the column \"" + std::string(kChartFieldNames[i]) +
                           "\""};
        }
    }
    return columns;
}

/// A text column the header leaves out, and what each row takes instead: something the
/// form's checks pass, as a user would type into an empty field.
struct StandIn {
    ChartField field;
    std::string_view text;
};
constexpr std::array<StandIn, 4> kStandIns{{
    {ChartField::kName, "Unnamed"},
    {ChartField::kCity, "Unknown"},
    {ChartField::kState, "Unknown"},
    {ChartField::kCountry, "Unknown"},
}};

/// The stand-ins a header needs: its absent text columns that no place column fills.
std::vector<StandIn> StandInsFor(const std::vector<ChartField>& columns) {
    const auto has = [&](ChartField field) {
        return std::find(columns.begin(), columns.end(), field) != columns.end();
    };
    std::vector<StandIn> needed;
    for (const StandIn& standIn : kStandIns) {
        const bool fromPlace = standIn.field != ChartField::kName && has(ChartField::kPlace);
        if (!has(standIn.field) && !fromPlace) needed.push_back(standIn);
    }
    return needed;
}

/// "the CSV header has no name or city column: each row takes the name \"Unnamed\" and the
/// city \"Unknown\""
std::string StandInNotice(const std::vector<StandIn>& standIns) {
    if (standIns.empty()) return {};
    std::string columns;
    std::string values;
    for (std::size_t i = 0; i < standIns.size(); ++i) {
        const std::string_view separator =
            i == 0 ? "" : (i + 1 == standIns.size() ? " and " : ", ");
        const std::string_view name = ChartFieldName(standIns[i].field);
        columns += std::string(separator) + std::string(name);
        values += std::string(separator) + "the " + std::string(name) + " \"" +
                  std::string(standIns[i].text) + "\"";
    }
    return "the CSV header has no " + columns + " column" + (standIns.size() > 1 ? "s" : "") +
           ": each row takes " + values;
}

/// The answer for one data row: its chart, or the text of its refusal; false when the row
/// failed. A reading with extras is written here, as their texts are made beside the
/// calculation.
bool AnswerRow(const std::vector<ChartField>& columns, const std::vector<std::string>& fields,
               const std::vector<StandIn>& standIns, ChartOptions options, ReadingParts parts,
               std::span<const Varga> charts, const Birth& blank, ReadingJsonWriter& writer,
               AtlasSource& atlas, RowAnswer& answer, bool& warned) {
    auto fail = [&](std::string_view message) {
        answer.birth.reset();
        // The row's name, where it has one, tells a reader which birth failed.
        std::string_view name;
        for (std::size_t i = 0; i < columns.size() && i < fields.size(); ++i) {
            if (columns[i] == ChartField::kName) name = fields[i];
        }
        answer.text = RowErrorJsonText(answer.row, message, name);
        return false;
    };
    if (fields.size() != columns.size()) {
        return fail("expected " + std::to_string(columns.size()) +
                    " fields as in the header, found " + std::to_string(fields.size()));
    }
    ChartFieldTexts texts;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        texts[static_cast<std::size_t>(columns[i])] = fields[i];
    }
    for (const StandIn& standIn : standIns) texts[static_cast<std::size_t>(standIn.field)] = standIn.text;
    Result<BirthEntry, FieldError> entry = EntryFromFieldTexts(texts);
    if (!entry.ok()) return fail(DescribeFieldError(entry.error(), ""));
    const Result<void, std::string> placed = ApplyPlaceAndZone(
        texts, entry.value(), atlas, " Give the offset to use in a utc_offset column.");
    if (!placed.ok()) return fail(placed.error());
    // Each row is a chart of its own, read from nothing as an opened file is.
    Result<Birth, Refusal> birth = ReadBirth(std::move(entry).value(), blank);
    if (!birth.ok()) return fail(birth.error().message);
    warned = CountsDaylightTwice(birth.value());
    if (parts.Any()) {
        ChartSession session;
        session.Calculate(std::move(birth).value(), options);
        const FullReading full = ComputeFullReading(session, parts);
        writer.Append(answer.text, full.reading, answer.row, &full, charts);
        return true;
    }
    // The plain reading is calculated and written by the batch's writer.
    answer.birth = std::move(birth).value();
    return true;
}

}  // namespace

BatchResult RunBatch(std::istream& in, std::ostream& out, ChartOptions options,
                     ReadingParts extras, std::span<const Varga> charts) {
    BatchResult result;
    LineReader reader(in);
    std::string line;

    auto readFailed = [&] {
        result.exitCode = kExitIoError;
        result.error = "cannot read the CSV input";
        return result;
    };

    auto noLineEnd = [&] {
        result.exitCode = kExitUsage;
        result.error =
            "the CSV input has a line longer than " +
            std::to_string(LineReader::kDefaultMaxLineBytes + LineReader::kDefaultMaxSkipBytes) +
            " bytes with no end; the batch stops";
        return result;
    };

    std::vector<ChartField> columns;
    switch (reader.Next(line)) {
        case LineReader::Status::kFailed:
            return readFailed();
        case LineReader::Status::kNoLineEnd:
            return noLineEnd();
        case LineReader::Status::kEnd:
            result.exitCode = kExitUsage;
            result.error = "the CSV input is empty; it needs a header row";
            return result;
        case LineReader::Status::kTooLong:
            result.exitCode = kExitUsage;
            result.error = "the CSV header is too long";
            return result;
        case LineReader::Status::kLine: {
            Result<std::vector<ChartField>, std::string> header = ReadHeader(line);
            if (!header.ok()) {
                result.exitCode = kExitUsage;
                result.error = header.error();
                return result;
            }
            columns = std::move(header).value();
            break;
        }
    }

    const std::vector<StandIn> standIns = StandInsFor(columns);
    if (!standIns.empty()) result.notices.push_back(StandInNotice(standIns));
    std::vector<std::string> fields;
    ReadingJsonWriter writer;
    AtlasSource atlas;
    // The rows' JSON is made and written on a thread of its own, in large pieces, while
    // the next rows are read and computed. The first row goes out alone, so that an
    // output that cannot be written is found before the work; and what is waiting goes
    // out whenever the input has nothing more at hand, so that rows typed or piped in
    // slowly are answered at once.
    std::vector<RowAnswer> answers;
    answers.reserve(kRowsPerBlock);
    BatchWriter output(out, options);
    const Birth blank = BlankBirth();
    auto writeFailed = [&] {
        result.exitCode = kExitIoError;
        result.error = "cannot write the output";
        return result;
    };
    auto finish = [&] { return output.Send(answers, true) && output.Drain(); };
    for (;;) {
        const LineReader::Status status = reader.Next(line);
        if (status == LineReader::Status::kEnd) break;
        if (status == LineReader::Status::kFailed) return finish() ? readFailed() : writeFailed();
        if (status == LineReader::Status::kNoLineEnd) return finish() ? noLineEnd() : writeFailed();
        if (status == LineReader::Status::kLine && line.empty()) continue;

        const std::size_t row = ++result.rows;
        RowAnswer& answer = answers.emplace_back();
        answer.row = row;
        bool answered = false;
        if (status == LineReader::Status::kTooLong) {
            answer.text = RowErrorJsonText(row, "the row is longer than " +
                                                    std::to_string(LineReader::kDefaultMaxLineBytes) +
                                                    " bytes");
        } else if (const Result<void, std::string> split = SplitCsvLine(line, fields);
                   !split.ok()) {
            answer.text = RowErrorJsonText(row, split.error());
        } else {
            bool warned = false;
            answered = AnswerRow(columns, fields, standIns, options, extras, charts, blank,
                                 writer, atlas, answer, warned);
            if (warned) ++result.warnedRows;
        }
        if (!answered) ++result.failedRows;
        const bool idle = !reader.HasReadAhead() && in.rdbuf()->in_avail() <= 0;
        if (row == 1) {
            if (!finish()) return writeFailed();
        } else if (idle || answers.size() >= kRowsPerBlock) {
            if (!output.Send(answers, idle)) return writeFailed();
            answers.reserve(kRowsPerBlock);
        }
    }
    if (!finish()) return writeFailed();
    if (result.warnedRows > 0) {
        result.notices.push_back("warning: " + std::to_string(result.warnedRows) +
                         (result.warnedRows == 1 ? " row sets" : " rows set") +
                         " the daylight-saving box on a zone row that already includes the "
                         "daylight hour (see its \"warning\")");
    }
    return result;
}

}  // namespace tamovid::cli
