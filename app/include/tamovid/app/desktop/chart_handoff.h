#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSocketNotifier;

namespace tamovid {

/// Where the running copy listens for chart files from later copies: in the user's own
/// runtime folder, which nobody else may enter; empty when there is none, and then no
/// chart is handed over.
QString DefaultHandoffPath();

/// The longest file name a later copy may hand over, in bytes.
inline constexpr qsizetype kMaxHandoffPathBytes = 4096;

/// How long either side waits for the other, in milliseconds, before giving up; also the
/// longest a connection may stay open on the running copy's side.
inline constexpr int kHandoffTimeoutMs = 2000;

/// How many connections the running copy serves at once; one more cuts the oldest.
inline constexpr std::size_t kMaxHandoffConnections = 16;

/// What a later copy sends: the length of the file name in four bytes, most significant
/// first, then the name's bytes exactly as the file system knows them, so that no byte of
/// a name (a line feed, say) can end or split it. A length of zero asks the running copy
/// only to come to the front. The running copy answers one byte once it has the name.
QByteArray HandoffFrame(const QByteArray& name);

/// What a complete frame asks for.
struct HandoffRequest {
    QString chartFile;  ///< absolute; empty when the window is only to come to the front
};

/// Reads a frame from the bytes received so far: nothing yet while more may come, the
/// request once all of it is there, and an error (nullopt in `request`) for bytes that
/// are no frame (a name too long, relative, or not a name the file system would give back,
/// or bytes after the frame).
struct HandoffParse {
    bool complete = false;
    std::optional<HandoffRequest> request;
};
HandoffParse ParseHandoffFrame(const QByteArray& received);

/// Listens, in the running copy, for the chart files that later copies were started with,
/// and hands each to `received` as it arrives (an empty name for a copy started without
/// one). It listens from construction on, over a plain local socket, and stays up whatever
/// clients do: at most kMaxHandoffConnections at once (the oldest is cut for a new one),
/// each cut after kHandoffTimeoutMs, and running out of file descriptors only pauses it.
/// A socket file that a killed copy left behind is replaced.
class ChartHandoffServer : public QObject {
    Q_OBJECT
public:
    ChartHandoffServer(const QString& path, std::function<void(const QString&)> received,
                       QObject* parent = nullptr);
    ~ChartHandoffServer() override;

    /// Whether later copies can reach this one.
    bool listening() const { return listener_ >= 0; }
    /// Connections open now (for the tests).
    std::size_t connectionCount() const { return connections_.size(); }

private:
    struct Connection;

    void Accept();
    void Read(Connection& connection);
    void Close(Connection& connection);
    void CutExpired();

    QByteArray path_;
    ino_t inode_ = 0;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<std::unique_ptr<Connection>> connections_;
    QTimer sweep_;
    QTimer resume_;
    std::function<void(const QString&)> received_;
};

/// Sends a chart file's name to the running copy, or with an empty name asks it only to
/// come to the front; false when no copy listens or it did not take the request in time.
bool HandChartToRunningCopy(const QString& path, const QString& chartFile);

}  // namespace tamovid
