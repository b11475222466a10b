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
    Block block{std::move(answers), {}, now};
    answers.clear();
    if (!now && !failed_ && !waiting_.empty()) {
        // The thread has more at hand than the block it is on: this one would only wait.
        if (!spareLines_.empty()) {
            block.lines = std::move(spareLines_.back());
            spareLines_.pop_back();
        }
        lock.unlock();
        block.lines.reserve(kPieceBytes + kPieceBytes / 4);
        AppendLines(senderJson_, block.answers, block.lines);
        block.answers.clear();
        lock.lock();
    }
    changed_.wait(lock, [&] { return failed_ || waiting_.size() < kMaxWaiting; });
    if (failed_) return false;
    if (block.answers.empty() && block.lines.empty() && !now) return true;
    waiting_.push_back(std::move(block));
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

void BatchWriter::AppendLines(ReadingJsonWriter& json, std::vector<RowAnswer>& answers,
                              std::string& lines) const {
    for (RowAnswer& answer : answers) {
        if (answer.birth) {
            // Each row is a chart of its own, calculated from nothing as an opened file is.
            const Reading reading = Calculate(std::move(*answer.birth), options_);
            json.Append(lines, reading, answer.row);
        } else {
            lines += answer.text;
        }
        lines += '\n';
    }
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
            AppendLines(json_, block.answers, lines_);
            // Lines made by the caller are taken whole where nothing is before them.
            if (lines_.empty()) {
                lines_.swap(block.lines);
            } else {
                lines_ += block.lines;
            }
            if (block.now || lines_.size() >= kPieceBytes) written = WriteOut();
        }
        block.answers.clear();
        block.lines.clear();
        lock.lock();
        // The storage of a piece is used again rather than taken afresh from the system.
        if (block.lines.capacity() >= kPieceBytes) spareLines_.push_back(std::move(block.lines));
        writing_ = false;
        if (!written) failed_ = true;
        changed_.notify_all();
    }
}

}  // namespace tamovid::cli
