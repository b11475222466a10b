#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>

namespace tamovid {

/// Chart files waiting to be opened in the window (handed over by later copies, or named
/// at start), opened one at a time in the order they came, and never while a box or
/// dialog is open: each waits until the one before it, and any box it raised, is done.
class ChartOpenQueue : public QObject {
    Q_OBJECT
public:
    /// `busy` says whether a box or dialog is open now.
    explicit ChartOpenQueue(std::function<bool()> busy, QObject* parent = nullptr);

    /// Queues a file, and opens it at once when nothing is open and nothing waits.
    void Add(const QString& file);
    /// How files are opened, once the window is there; opens what has waited meanwhile.
    void SetOpener(std::function<void(const QString&)> open);
    /// Opens what waits, soon: a box that has just closed may still be on the way out.
    void DrainSoon();

    std::size_t waiting() const { return waiting_.size(); }

private:
    void Drain();

    std::function<bool()> busy_;
    std::function<void(const QString&)> open_;
    std::deque<QString> waiting_;
    bool draining_ = false;
    QTimer retry_;
};

}  // namespace tamovid
