#include "tamovid/cli/csv.h"

#include <algorithm>

namespace tamovid::cli {

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes, std::size_t maxSkipBytes)
    : in_(in), maxLineBytes_(maxLineBytes), maxSkipBytes_(maxSkipBytes) {}

LineReader::Ending LineReader::ReadUpToLineEnd(std::string* line, std::size_t limit) {
    using Traits = std::char_traits<char>;
    std::streambuf& buffer = *in_.rdbuf();
    for (std::size_t count = 0;; ++count) {
        const Traits::int_type next = buffer.sgetc();
        if (Traits::eq_int_type(next, Traits::eof())) return Ending::kStreamEnd;
        const char ch = Traits::to_char_type(next);
        if (ch == '\n' || ch == '\r') {
            buffer.sbumpc();
            if (ch == '\r' && Traits::eq_int_type(buffer.sgetc(), Traits::to_int_type('\n'))) {
                buffer.sbumpc();
            }
            return Ending::kLineEnd;
        }
        if (count == limit) return Ending::kLimit;
        if (line) line->push_back(ch);
        buffer.sbumpc();
    }
}

LineReader::Status LineReader::Next(std::string& line) {
    line.clear();
    if (final_) return *final_;
    if (in_.rdbuf() == nullptr || in_.bad()) return *(final_ = Status::kFailed);
    try {
        if (skipping_) {
            skipping_ = false;
            switch (ReadUpToLineEnd(nullptr, maxSkipBytes_)) {
                case Ending::kLimit:
                    return *(final_ = Status::kNoLineEnd);
                case Ending::kStreamEnd:
                    return *(final_ = Status::kEnd);
                case Ending::kLineEnd:
                    break;
            }
        }
        using Traits = std::char_traits<char>;
        if (Traits::eq_int_type(in_.rdbuf()->sgetc(), Traits::eof())) {
            return *(final_ = Status::kEnd);
        }
        switch (ReadUpToLineEnd(&line, maxLineBytes_)) {
            case Ending::kLimit:
                skipping_ = true;
                line.clear();
                return Status::kTooLong;
            case Ending::kStreamEnd:  // a last line without its end still counts
            case Ending::kLineEnd:
                return Status::kLine;
        }
    } catch (...) {
        // A stream buffer reports a failed read by throwing; the stream would set badbit.
        line.clear();
        return *(final_ = Status::kFailed);
    }
    return Status::kLine;
}

Result<void, std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& fields) {
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
                    return Failure{std::string("a quoted field is not closed")};
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
                return Failure{std::string("text follows a closing quote")};
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
    return {};
}

}  // namespace tamovid::cli
