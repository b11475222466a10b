#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

namespace tamovid {

/// Where the running copy listens for chart files from later copies: in the user's own
/// runtime folder, which nobody else may enter; empty when there is none, and then no
/// chart is handed over.
QString DefaultHandoffPath();

/// The longest file name a later copy may hand over, in bytes of UTF-8.
inline constexpr qsizetype kMaxHandoffPathBytes = 4096;

/// How long either side waits for the other, in milliseconds, before giving up.
inline constexpr int kHandoffTimeoutMs = 2000;

/// Listens, in the running copy, for the chart files that later copies were started with,
/// and hands each to `open`. A connection must send one absolute file name, ended by a
/// line feed, within the time limit; anything else is dropped unread.
class ChartHandoffServer : public QObject {
    Q_OBJECT
public:
    ChartHandoffServer(const QString& path, std::function<void(const QString&)> open,
                       QObject* parent = nullptr);
    ~ChartHandoffServer() override;

    /// Whether later copies can reach this one.
    bool listening() const { return server_.isListening(); }

private:
    void Accept();

    QLocalServer server_;
    std::function<void(const QString&)> open_;
};

/// Sends a chart file's name to the running copy; false when no copy listens or the name
/// could not be sent in time.
bool HandChartToRunningCopy(const QString& path, const QString& chartFile);

}  // namespace tamovid
