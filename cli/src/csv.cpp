#include "tamovid/cli/csv.h"

#include <algorithm>
#include <streambuf>

namespace tamovid::cli {

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes)
    : in_(in), maxLineBytes_(maxLineBytes) {}

LineReader::Status LineReader::Next(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    if (buffer == nullptr || !in_.good()) return in_.bad() ? Status::kFailed : Status::kEnd;
    using Traits = std::streambuf::traits_type;
    bool tooLong = false;
    bool readAny = false;
    try {
        for (;;) {
            const Traits::int_type c = buffer->sbumpc();
            if (Traits::eq_int_type(c, Traits::eof())) {
                in_.setstate(std::ios::eofbit);
                break;
            }
            readAny = true;
            const char ch = Traits::to_char_type(c);
            if (ch == '\n') break;
            if (line.size() < maxLineBytes_) {
                line.push_back(ch);
            } else {
                tooLong = true;  // keep reading to the end of the line, storing nothing
            }
        }
    } catch (...) {
        in_.setstate(std::ios::badbit);
        return Status::kFailed;
    }
    if (!readAny) return Status::kEnd;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (tooLong) {
        line.clear();
        return Status::kTooLong;
    }
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
