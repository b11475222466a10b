#include "tamovid/cli/csv.h"

#include <algorithm>
#include <limits>

namespace tamovid::cli {

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes)
    : in_(in), buffer_(maxLineBytes + 1) {}

LineReader::Status LineReader::Next(std::string& line) {
    line.clear();
    if (in_.bad()) return Status::kFailed;
    if (!in_.good()) return Status::kEnd;
    in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    const auto count = static_cast<std::size_t>(in_.gcount());
    if (in_.bad()) return Status::kFailed;
    if (in_.fail()) {
        if (count == 0) return Status::kEnd;  // nothing left to read
        // The buffer filled before the line ended: skip the rest of it.
        in_.clear(in_.rdstate() & ~std::ios::failbit);
        in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        return in_.bad() ? Status::kFailed : Status::kTooLong;
    }
    std::size_t length = count;
    if (length > 0 && !in_.eof()) --length;  // the LF, which getline counts but does not store
    line.assign(buffer_.data(), length);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return Status::kLine;
}

std::optional<std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& fields) {
    std::size_t count = 0;
    auto nextField = [&]() -> std::string& {
        if (count == fields.size()) fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        return field;
    };

    std::size_t i = 0;
    for (;;) {
        std::string& field = nextField();
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                const std::size_t quote = line.find('"', i);
                if (quote == std::string_view::npos) {
                    fields.resize(count);
                    return "a quoted field is not closed";
                }
                field.append(line.substr(i, quote - i));
                i = quote + 1;
                if (i < line.size() && line[i] == '"') {
                    field.push_back('"');
                    ++i;
                    continue;
                }
                break;
            }
            if (i < line.size() && line[i] != ',') {
                fields.resize(count);
                return "text follows a closing quote";
            }
        } else {
            const std::size_t comma = std::min(line.find(',', i), line.size());
            field.append(line.substr(i, comma - i));
            i = comma;
        }
        if (i >= line.size()) break;
        ++i;  // the comma
    }
    fields.resize(count);
    return std::nullopt;
}

}  // namespace tamovid::cli
