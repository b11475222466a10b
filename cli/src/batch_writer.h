#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "tamovid/birthentry/birth.h"
#include "tamovid/choices/chart_options.h"
#include "tamovid/cli/reading_output.h"

namespace tamovid::cli {

/// One data row's answer: the birth to calculate, or its JSON text when that is made
/// already (a refused row, or a reading with extras).
struct RowAnswer {
    std::size_t row = 0;
    std::optional<Birth> birth;
    std::string text;
};

/// Calculates a batch's births and writes their answers as JSON lines, one a row, on a
/// thread of its own: the charts, their JSON and the writes to the stream overlap the
/// reading and checking of the next rows. When the thread falls behind, the caller makes
/// the lines of the blocks it hands over itself rather than wait, so both share the work.
/// Lines go out in pieces of about kPieceBytes; at most two blocks wait at a time, so a
/// long batch runs in the same memory. Only this writer may touch the stream while it
/// lives.
class BatchWriter {
public:
    static constexpr std::size_t kPieceBytes = 256 * 1024;

    /// Births are calculated with `options`.
    BatchWriter(std::ostream& out, ChartOptions options);
    /// Writes what was handed over and not yet written, then stops the thread.
    ~BatchWriter();
    BatchWriter(const BatchWriter&) = delete;
    BatchWriter& operator=(const BatchWriter&) = delete;

    /// Hands over the answers that follow the ones before, leaving `answers` empty. With
    /// `now` their lines go out as soon as they are made rather than once a piece is
    /// full. Waits while two blocks are waiting. False, and nothing handed over, once a
    /// write has failed.
    bool Send(std::vector<RowAnswer>& answers, bool now);
    /// Waits until everything handed over is written; false when a write failed.
    bool Drain();

private:
    static constexpr std::size_t kMaxWaiting = 2;
    struct Block {
        std::vector<RowAnswer> answers;
        std::string lines;  // the lines of answers made already, when there are none
        bool now = false;
    };

    void Run();
    /// Appends the answers' lines to `lines`, calculating the births among them.
    void AppendLines(ReadingJsonWriter& json, std::vector<RowAnswer>& answers,
                     std::string& lines) const;
    /// Writes the lines made so far to the stream; false when that failed.
    bool WriteOut();

    std::ostream& out_;
    const ChartOptions options_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Block> waiting_;
    bool writing_ = false;
    bool failed_ = false;
    bool stopping_ = false;
    /// Storage for the lines the caller makes, handed back once written: no more than
    /// the blocks and the piece that can be on their way at once.
    std::vector<std::string> spareLines_;
    // Used by the caller of Send alone.
    ReadingJsonWriter senderJson_;
    // Used by the thread alone.
    ReadingJsonWriter json_;
    std::string lines_;
    std::thread thread_;  // last, so that it starts after the rest is made
};

}  // namespace tamovid::cli
