// Feeds arbitrary bytes to the command-line tool's CSV side: the line reader (checked
// against a plain model of its rules), the field splitter (whose result must survive
// being written back as CSV), the whole batch (whose every output line must be JSON)
// and the escaping of text for the terminal.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "tamovid/cli/batch.h"
#include "tamovid/cli/csv.h"
#include "tamovid/cli/visible_text.h"

namespace {

using tamovid::cli::LineReader;
using Status = LineReader::Status;

// Small limits, so that short inputs reach the long-line paths.
constexpr std::size_t kMaxLine = 64;
constexpr std::size_t kMaxSkip = 256;

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

std::size_t LineEndLength(std::string_view d, std::size_t at) {
    return d[at] == '\r' && at + 1 < d.size() && d[at + 1] == '\n' ? 2 : 1;
}

std::vector<std::pair<Status, std::string>> ModelLines(std::string_view d) {
    std::vector<std::pair<Status, std::string>> out;
    std::size_t i = 0;
    for (;;) {
        if (i >= d.size()) {
            out.emplace_back(Status::kEnd, "");
            return out;
        }
        std::size_t j = i;
        while (j < d.size() && !IsLineEnd(d[j]) && j - i < kMaxLine) ++j;
        if (j < d.size() && !IsLineEnd(d[j])) {
            out.emplace_back(Status::kTooLong, "");
            std::size_t k = j;
            while (k < d.size() && !IsLineEnd(d[k]) && k - j < kMaxSkip) ++k;
            if (k >= d.size()) {
                out.emplace_back(Status::kEnd, "");
                return out;
            }
            if (!IsLineEnd(d[k])) {
                out.emplace_back(Status::kNoLineEnd, "");
                return out;
            }
            i = k + LineEndLength(d, k);
            continue;
        }
        out.emplace_back(Status::kLine, std::string(d.substr(i, j - i)));
        if (j >= d.size()) {
            out.emplace_back(Status::kEnd, "");
            return out;
        }
        i = j + LineEndLength(d, j);
    }
}

std::string QuotedCsv(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        line += '"';
        for (const char c : fields[i]) line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line;
}

void CheckLinesAndFields(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    LineReader reader(in, kMaxLine, kMaxSkip);
    std::vector<std::string> fields;
    std::vector<std::string> again;
    for (const auto& [status, text] : ModelLines(bytes)) {
        std::string line;
        Require(reader.Next(line) == status);
        Require(line == text);
        if (status != Status::kLine) continue;
        if (tamovid::cli::SplitCsvLine(line, fields).ok()) {
            Require(tamovid::cli::SplitCsvLine(QuotedCsv(fields), again).ok());
            Require(again == fields);
        }
    }
}

void CheckBatch(std::string_view bytes) {
    std::istringstream in{std::string(bytes)};
    std::ostringstream out;
    const tamovid::cli::BatchResult result = tamovid::cli::RunBatch(in, out);
    std::istringstream written(out.str());
    std::size_t row = 0;
    for (std::string line; std::getline(written, line);) {
        const nlohmann::json value = nlohmann::json::parse(line, nullptr, false);
        Require(!value.is_discarded());
        Require(value.at("row") == ++row);
    }
    Require(row == result.rows);
}

void CheckVisible(std::string_view bytes) {
    const std::string shown = tamovid::cli::VisibleText(bytes);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto c = static_cast<unsigned char>(shown[i]);
        Require(c >= 0x20 && c != 0x7F);
        Require(!(c == 0xC2 && i + 1 < shown.size() &&
                  static_cast<unsigned char>(shown[i + 1]) <= 0x9F &&
                  static_cast<unsigned char>(shown[i + 1]) >= 0x80));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckLinesAndFields(bytes);
    CheckBatch(bytes);
    CheckVisible(bytes);
    return 0;
}
