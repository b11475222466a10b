#include "tamovid/app/desktop/chart_open_queue.h"

namespace tamovid {
namespace {

// How often a waiting file looks again for the box in the way to have closed, in ms
// (for windows that do not say when they close).
constexpr int kRetryMs = 100;

}  // namespace

ChartOpenQueue::ChartOpenQueue(std::function<bool()> busy, QObject* parent)
    : QObject(parent), busy_(std::move(busy)) {
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &ChartOpenQueue::Drain);
}

void ChartOpenQueue::Add(const QString& file) {
    waiting_.push_back(file);
    Drain();
}

void ChartOpenQueue::SetOpener(std::function<void(const QString&)> open) {
    open_ = std::move(open);
    Drain();
}

void ChartOpenQueue::DrainSoon() {
    if (!waiting_.empty()) QTimer::singleShot(0, this, &ChartOpenQueue::Drain);
}

void ChartOpenQueue::Drain() {
    // A file opened here may show a box whose event loop delivers the next file: that
    // one waits, it is not opened inside the box.
    if (draining_ || !open_) return;
    draining_ = true;
    while (!waiting_.empty() && !busy_()) {
        const QString file = waiting_.front();
        waiting_.pop_front();
        open_(file);
    }
    draining_ = false;
    if (!waiting_.empty()) retry_.start();
}

}  // namespace tamovid
