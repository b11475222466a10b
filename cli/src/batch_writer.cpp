#include "batch_writer.h"

#include <utility>

namespace tamovid::cli {

BatchWriter::BatchWriter(std::ostream& out, ChartOptions options)
    : out_(out), options_(options), thread_([this] { Run(); }) {}

BatchWriter::~BatchWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool BatchWriter::Send(std::vector<RowAnswer>& answers, bool now) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return failed_ || waiting_.size() < kMaxWaiting; });
    if (failed_) return false;
    if (answers.empty() && !now) return true;
    waiting_.push_back({std::move(answers), now});
    answers.clear();
    lock.unlock();
    changed_.notify_all();
    return true;
}

bool BatchWriter::Drain() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return failed_ || (waiting_.empty() && !writing_); });
    return !failed_;
}

bool BatchWriter::WriteOut() {
    try {
        out_.write(lines_.data(), static_cast<std::streamsize>(lines_.size()));
        // Whatever the stream keeps back goes out too, so that each piece is seen as soon
        // as it is made.
        out_.flush();
    } catch (...) {
        return false;  // a stream set to throw on failure
    }
    lines_.clear();
    return static_cast<bool>(out_);
}

void BatchWriter::Run() {
    lines_.reserve(kPieceBytes + kPieceBytes / 4);
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) {
            if (!failed_ && !lines_.empty()) WriteOut();
            return;
        }
        Block block = std::move(waiting_.front());
        waiting_.pop_front();
        writing_ = true;
        const bool skip = failed_;
        lock.unlock();
        bool written = true;
        if (!skip) {
            for (RowAnswer& answer : block.answers) {
                if (answer.birth) {
                    // Each row is a chart of its own, calculated from nothing as an opened
                    // file is.
                    const Reading reading = Calculate(std::move(*answer.birth), options_);
                    json_.Append(lines_, reading, answer.row);
                } else {
                    lines_ += answer.text;
                }
                lines_ += '\n';
            }
            if (block.now || lines_.size() >= kPieceBytes) written = WriteOut();
        }
        block.answers.clear();
        lock.lock();
        writing_ = false;
        if (!written) failed_ = true;
        changed_.notify_all();
    }
}

}  // namespace tamovid::cli
