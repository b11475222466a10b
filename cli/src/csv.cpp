#include "tamovid/cli/csv.h"

#include <algorithm>
#include <cstring>

namespace tamovid::cli {

namespace {

bool IsLineEnd(char ch) { return ch == '\n' || ch == '\r'; }

}  // namespace

LineReader::LineReader(std::istream& in, std::size_t maxLineBytes, std::size_t maxSkipBytes)
    : in_(in), maxLineBytes_(maxLineBytes), maxSkipBytes_(maxSkipBytes) {}

bool LineReader::Fill() {
    using Traits = std::char_traits<char>;
    if (begin_ < end_) return true;
    std::streambuf& buffer = *in_.rdbuf();
    // Waits for the next byte only, then takes what the stream already holds, so that
    // a line typed or piped in is answered without waiting for more.
    if (Traits::eq_int_type(buffer.sgetc(), Traits::eof())) return false;
    if (ahead_.empty()) ahead_.resize(kReadAheadBytes);
    begin_ = 0;
    end_ = 0;
    // The stream's own buffer may hold less than the read-ahead: what the file or pipe
    // holds beyond it is taken too, in the same call, as long as none of it has to be
    // waited for.
    std::streamsize held = std::max<std::streamsize>(buffer.in_avail(), 1);
    while (held > 0 && end_ < ahead_.size()) {
        const auto room = static_cast<std::streamsize>(ahead_.size() - end_);
        const std::streamsize got = buffer.sgetn(ahead_.data() + end_, std::min(held, room));
        if (got <= 0) break;
        end_ += static_cast<std::size_t>(got);
        held = buffer.in_avail();
    }
    return end_ > 0;
}

void LineReader::ConsumeLineEnd() {
    const char ch = ahead_[begin_++];
    if (ch == '\r' && Fill() && ahead_[begin_] == '\n') ++begin_;
}

LineReader::Ending LineReader::ReadUpToLineEnd(std::string* line, std::size_t limit) {
    for (std::size_t count = 0;;) {
        if (!Fill()) return Ending::kStreamEnd;
        const char* const start = ahead_.data() + begin_;
        if (count == limit) {
            if (!IsLineEnd(*start)) return Ending::kLimit;
            ConsumeLineEnd();
            return Ending::kLineEnd;
        }
        const std::size_t window = std::min(end_ - begin_, limit - count);
        // A line ends at LF or CR, whichever comes first: look for the one, then for the
        // other before it (memchr is several times faster than a test of each byte).
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', window));
        const std::size_t upToLf = lf ? static_cast<std::size_t>(lf - start) : window;
        const auto* cr = static_cast<const char*>(std::memchr(start, '\r', upToLf));
        const std::size_t taken = cr ? static_cast<std::size_t>(cr - start) : upToLf;
        if (line) line->append(start, taken);
        count += taken;
        begin_ += taken;
        if (taken < window) {
            ConsumeLineEnd();
            return Ending::kLineEnd;
        }
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
        if (!Fill()) return *(final_ = Status::kEnd);
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
