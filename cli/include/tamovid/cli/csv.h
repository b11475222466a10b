#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/base/result.h"

namespace tamovid::cli {

/// Reads a text stream line by line, holding one line and at most kReadAheadBytes read
/// ahead, so a batch of any length runs in the same memory. Lines end at LF, CR or CR LF.
class LineReader {
public:
    /// Longer lines are reported as kTooLong as soon as the limit is reached.
    static constexpr std::size_t kDefaultMaxLineBytes = 64 * 1024;
    /// After a line too long, at most this much more is skipped looking for its end; a
    /// stream that never ends a line (a device of zeros) then gives kNoLineEnd.
    static constexpr std::size_t kDefaultMaxSkipBytes = 1024 * 1024;

    /// Read from the stream in pieces of up to this much.
    static constexpr std::size_t kReadAheadBytes = 64 * 1024;

    enum class Status { kLine, kTooLong, kNoLineEnd, kEnd, kFailed };

    explicit LineReader(std::istream& in, std::size_t maxLineBytes = kDefaultMaxLineBytes,
                        std::size_t maxSkipBytes = kDefaultMaxSkipBytes);

    /// The next line into `line` (reusing its storage). kEnd after the last line;
    /// kFailed when the stream reports a read error. After kNoLineEnd, kFailed or kEnd
    /// every further call gives the same.
    Status Next(std::string& line);

    /// Whether bytes read from the stream are waiting here for the next lines.
    bool HasReadAhead() const { return begin_ < end_; }

private:
    enum class Ending { kLineEnd, kStreamEnd, kLimit };
    /// Reads up to the next line end, appending at most `limit` bytes to `line` (when
    /// given) and consuming a CR LF pair as one end.
    Ending ReadUpToLineEnd(std::string* line, std::size_t limit);
    /// Whether a byte is at hand, reading more from the stream when none is.
    bool Fill();
    /// Consumes the line end at hand: one byte, or a CR LF pair.
    void ConsumeLineEnd();

    std::istream& in_;
    std::size_t maxLineBytes_;
    std::size_t maxSkipBytes_;
    bool skipping_ = false;  // the last line was too long and its rest is still unread
    std::optional<Status> final_;
    std::vector<char> ahead_;  // bytes read from the stream, [begin_, end_) not yet used
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};

/// Splits one CSV line into `fields` (reusing their storage). Fields are separated by
/// commas; a field that starts with a double quote runs to the closing quote, with ""
/// standing for one quote inside. Refuses, with an error text, a quote that is not
/// closed or text after a closing quote.
Result<void, std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& fields);

}  // namespace tamovid::cli
