#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamovid::cli {

/// Reads a text stream line by line without ever holding more than one line, so a batch
/// of any length runs in the same memory. Lines end at LF; a CR before it is dropped.
class LineReader {
public:
    /// Longer lines (counting a CR before the LF) are skipped up to their end and
    /// reported as kTooLong.
    static constexpr std::size_t kDefaultMaxLineBytes = 64 * 1024;

    enum class Status { kLine, kTooLong, kEnd, kFailed };

    explicit LineReader(std::istream& in, std::size_t maxLineBytes = kDefaultMaxLineBytes);

    /// The next line into `line` (reusing its storage). kEnd after the last line;
    /// kFailed when the stream reports a read error.
    Status Next(std::string& line);

private:
    std::istream& in_;
    std::vector<char> buffer_;  // the longest line and getline's terminating zero
};

/// Splits one CSV line into `fields` (reusing their storage). Fields are separated by
/// commas; a field that starts with a double quote runs to the closing quote, with ""
/// standing for one quote inside. Returns an error text for a quote that is not closed
/// or text after a closing quote.
std::optional<std::string> SplitCsvLine(std::string_view line, std::vector<std::string>& fields);

}  // namespace tamovid::cli
