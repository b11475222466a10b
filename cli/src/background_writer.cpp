#include "background_writer.h"

#include <utility>

namespace tamovid::cli {

BackgroundWriter::BackgroundWriter(std::ostream& out) : out_(out), thread_([this] { Run(); }) {}

BackgroundWriter::~BackgroundWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool BackgroundWriter::Write(std::string& piece) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return failed_ || waiting_.size() < kMaxWaiting; });
    if (failed_) return false;
    if (piece.empty()) return true;
    waiting_.push_back(std::move(piece));
    if (spare_.empty()) {
        piece = std::string();
    } else {
        piece = std::move(spare_.back());
        spare_.pop_back();
    }
    lock.unlock();
    changed_.notify_all();
    return true;
}

bool BackgroundWriter::Drain() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return failed_ || (waiting_.empty() && !writing_); });
    return !failed_;
}

void BackgroundWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) return;
        std::string piece = std::move(waiting_.front());
        waiting_.pop_front();
        writing_ = true;
        const bool skip = failed_;
        lock.unlock();
        bool written = true;
        if (!skip) {
            try {
                out_.write(piece.data(), static_cast<std::streamsize>(piece.size()));
                // Whatever the stream keeps back goes out too, so that each piece is seen
                // as soon as it is made.
                out_.flush();
                written = static_cast<bool>(out_);
            } catch (...) {
                written = false;  // a stream set to throw on failure
            }
        }
        piece.clear();
        lock.lock();
        writing_ = false;
        if (!written) failed_ = true;
        if (spare_.size() < kMaxWaiting) spare_.push_back(std::move(piece));
        changed_.notify_all();
    }
}

}  // namespace tamovid::cli
