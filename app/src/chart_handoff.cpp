#include "tamovid/app/chart_handoff.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

namespace tamovid {
namespace {

constexpr char kEnd = '\n';

/// One absolute file name of bounded length, valid UTF-8, with no control characters;
/// empty for anything else.
QString HandedName(const QByteArray& bytes) {
    if (bytes.isEmpty() || bytes.size() > kMaxHandoffPathBytes) return {};
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x20) return {};
    }
    const QString name = QString::fromUtf8(bytes);
    if (name.toUtf8() != bytes || !QDir::isAbsolutePath(name)) return {};
    return name;
}

}  // namespace

QString DefaultHandoffPath() {
    // Qt makes sure this folder is the user's own and closed to others, or gives nothing.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QString() : QDir(dir).filePath(QStringLiteral("tamovid.socket"));
}

ChartHandoffServer::ChartHandoffServer(const QString& path,
                                       std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {
    if (path.isEmpty()) return;
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    // The caller holds the single-instance lock, so a socket left here is a dead copy's.
    QLocalServer::removeServer(path);
    if (server_.listen(path)) {
        connect(&server_, &QLocalServer::newConnection, this, &ChartHandoffServer::Accept);
    }
}

ChartHandoffServer::~ChartHandoffServer() { server_.close(); }

void ChartHandoffServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QPointer<QLocalSocket> guarded(socket);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A copy that connects and then says nothing is cut off.
        QTimer::singleShot(kHandoffTimeoutMs, socket, [guarded] {
            if (!guarded) return;
            guarded->abort();
            guarded->deleteLater();
        });
        connect(socket, &QLocalSocket::readyRead, this, [this, guarded] {
            if (!guarded) return;
            const QByteArray pending = guarded->peek(kMaxHandoffPathBytes + 1);
            const qsizetype end = pending.indexOf(kEnd);
            if (end < 0 && pending.size() <= kMaxHandoffPathBytes) return;  // more to come
            const QString name = end < 0 ? QString() : HandedName(pending.left(end));
            guarded->abort();
            guarded->deleteLater();
            if (!name.isEmpty()) open_(name);
        });
    }
}

bool HandChartToRunningCopy(const QString& path, const QString& chartFile) {
    if (path.isEmpty()) return false;
    // The running copy has its own working folder.
    const QByteArray name = QFileInfo(chartFile).absoluteFilePath().toUtf8();
    if (name.size() > kMaxHandoffPathBytes) return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kHandoffTimeoutMs)) return false;
    socket.write(name + kEnd);
    const bool sent = socket.waitForBytesWritten(kHandoffTimeoutMs) && socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    return sent;
}

}  // namespace tamovid
