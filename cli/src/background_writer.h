#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace tamovid::cli {

/// Writes pieces of text to a stream on a thread of its own, so that the time the system
/// takes to store a batch's output overlaps the work of making the next piece. At most
/// two pieces wait at a time, so a long batch runs in the same memory. Only this writer
/// may touch the stream while it lives.
class BackgroundWriter {
public:
    explicit BackgroundWriter(std::ostream& out);
    /// Writes what was handed over and not yet written, then stops the thread.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    /// Hands `piece` over to be written, and gives back an empty string to fill next
    /// (with the room of an earlier piece). Waits while two pieces are waiting. False,
    /// and nothing handed over, once a write has failed.
    bool Write(std::string& piece);
    /// Waits until everything handed over is written; false when a write failed.
    bool Drain();

private:
    static constexpr std::size_t kMaxWaiting = 2;

    void Run();

    std::ostream& out_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> waiting_;
    std::vector<std::string> spare_;
    bool writing_ = false;
    bool failed_ = false;
    bool stopping_ = false;
    std::thread thread_;  // last, so that it starts after the rest is made
};

}  // namespace tamovid::cli
