#include "tamovid/app/desktop/chart_handoff.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tamovid {
namespace {

// How many later copies may wait for the running one to take their connection.
constexpr int kBacklog = 64;
// How long accepting pauses when the process has no file descriptor left, in ms.
constexpr int kAcceptPauseMs = 100;
// How often connections are checked for having run out of time, in ms.
constexpr int kSweepMs = 200;
// The most connections taken in one go, so that a flood cannot starve the window.
constexpr int kAcceptsPerWakeUp = 64;
constexpr mode_t kSocketMode = 0600;
constexpr int kLengthBytes = 4;
constexpr char kAck = 1;

/// The address of a socket file; nothing for a name too long for one.
std::optional<sockaddr_un> SocketAddress(const QByteArray& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return std::nullopt;
    }
    std::copy(path.begin(), path.end(), address.sun_path);
    return address;
}

/// Closes a descriptor on every way out of a function.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

/// Sends the frame to the socket at `path` and waits for its answer, each step within
/// the time limit.
bool SendAndAwaitAnswer(const QByteArray& path, const QByteArray& frame) {
    const std::optional<sockaddr_un> address = SocketAddress(path);
    if (!address) return false;
    const Descriptor socket{::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)};
    if (socket.fd < 0) return false;
    // A running copy too busy to take the connection (its queue full) makes connect
    // wait for it, for this long at most.
    const timeval limit{.tv_sec = kHandoffTimeoutMs / 1000,
                        .tv_usec = (kHandoffTimeoutMs % 1000) * 1000};
    if (::setsockopt(socket.fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0 ||
        ::setsockopt(socket.fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit) != 0) {
        return false;
    }
    if (::connect(socket.fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0) {
        return false;
    }
    for (qsizetype sent = 0; sent < frame.size();) {
        const ssize_t now = ::send(socket.fd, frame.constData() + sent,
                                   static_cast<std::size_t>(frame.size() - sent), MSG_NOSIGNAL);
        if (now < 0 && errno == EINTR) continue;
        if (now <= 0) return false;
        sent += now;
    }
    char answer = 0;
    ssize_t got = 0;
    do {
        got = ::recv(socket.fd, &answer, 1, 0);
    } while (got < 0 && errno == EINTR);
    return got == 1 && answer == kAck;
}

/// A fresh listening socket at `path`, put in place of whatever socket a killed copy left
/// there by one rename, so a later copy never finds no socket at all (where the name is
/// too long for a name beside it, the old one is removed first); -1 when impossible.
int Listen(const QByteArray& path, ino_t& inode) {
    if (!SocketAddress(path)) return -1;
    QByteArray bound = path + ".new-" + QByteArray::number(::getpid());
    if (!SocketAddress(bound)) bound = path;
    const sockaddr_un address = *SocketAddress(bound);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    ::unlink(bound.constData());
    struct stat info {};
    const bool ready =
        ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::chmod(bound.constData(), kSocketMode) == 0 && ::listen(fd, kBacklog) == 0 &&
        (bound == path || ::rename(bound.constData(), path.constData()) == 0) &&
        ::stat(path.constData(), &info) == 0;
    if (!ready) {
        ::unlink(bound.constData());
        ::close(fd);
        return -1;
    }
    inode = info.st_ino;
    return fd;
}

}  // namespace

QByteArray HandoffFrame(const QByteArray& name) {
    QByteArray frame(kLengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(name.size()), frame.data());
    return frame + name;
}

HandoffParse ParseHandoffFrame(const QByteArray& received) {
    if (received.size() < kLengthBytes) return {};
    const quint32 length = qFromBigEndian<quint32>(received.constData());
    if (length > kMaxHandoffPathBytes) return {.complete = true, .request = std::nullopt};
    const qsizetype whole = kLengthBytes + static_cast<qsizetype>(length);
    if (received.size() < whole) return {};
    if (received.size() > whole) return {.complete = true, .request = std::nullopt};
    const QByteArray name = received.mid(kLengthBytes);
    if (name.isEmpty()) return {.complete = true, .request = HandoffRequest{}};
    // Only a name that means the same file once decoded: no NUL, nothing lost in decoding.
    const QString decoded = QFile::decodeName(name);
    if (name.contains('\0') || QFile::encodeName(decoded) != name ||
        !QDir::isAbsolutePath(decoded)) {
        return {.complete = true, .request = std::nullopt};
    }
    return {.complete = true, .request = HandoffRequest{decoded}};
}

QString DefaultHandoffPath() {
    // Qt makes sure this folder is the user's own and closed to others, or gives nothing.
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return dir.isEmpty() ? QString() : QDir(dir).filePath(QStringLiteral("tamovid.socket"));
}

struct ChartHandoffServer::Connection {
    int fd = -1;
    QByteArray bytes;
    QDeadlineTimer deadline{kHandoffTimeoutMs};
    QSocketNotifier* notifier = nullptr;
};

ChartHandoffServer::ChartHandoffServer(const QString& path,
                                       std::function<void(const QString&)> received,
                                       QObject* parent)
    : QObject(parent), path_(QFile::encodeName(path)), received_(std::move(received)) {
    sweep_.setInterval(kSweepMs);
    connect(&sweep_, &QTimer::timeout, this, &ChartHandoffServer::CutExpired);
    resume_.setSingleShot(true);
    resume_.setInterval(kAcceptPauseMs);
    connect(&resume_, &QTimer::timeout, this, [this] { notifier_->setEnabled(true); });
    if (path.isEmpty()) return;
    listener_ = Listen(path_, inode_);
    if (listener_ < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ChartHandoffServer::Accept);
}

ChartHandoffServer::~ChartHandoffServer() {
    while (!connections_.empty()) Close(*connections_.front());
    if (listener_ < 0) return;
    notifier_.reset();
    ::close(listener_);
    // Only the socket this copy made: a later copy may already have put its own there.
    struct stat info {};
    if (::lstat(path_.constData(), &info) == 0 && S_ISSOCK(info.st_mode) && info.st_ino == inode_) {
        ::unlink(path_.constData());
    }
}

void ChartHandoffServer::Accept() {
    for (int taken = 0; taken < kAcceptsPerWakeUp; ++taken) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED || errno == EPROTO) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) return;
            // Out of descriptors or memory: the connection waits in the queue while the
            // notifier rests, instead of waking the window again at once.
            notifier_->setEnabled(false);
            resume_.start();
            return;
        }
        if (connections_.size() >= kMaxHandoffConnections) Close(*connections_.front());
        auto connection = std::make_unique<Connection>();
        connection->fd = fd;
        connection->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        Connection* reading = connection.get();
        connect(connection->notifier, &QSocketNotifier::activated, this,
                [this, reading] { Read(*reading); });
        connections_.push_back(std::move(connection));
        if (!sweep_.isActive()) sweep_.start();
    }
}

void ChartHandoffServer::Read(Connection& connection) {
    constexpr qsizetype kMostBytes = kLengthBytes + kMaxHandoffPathBytes + 1;
    for (;;) {
        const qsizetype had = connection.bytes.size();
        connection.bytes.resize(kMostBytes);
        const ssize_t got = ::recv(connection.fd, connection.bytes.data() + had,
                                   static_cast<std::size_t>(kMostBytes - had), 0);
        connection.bytes.resize(had + std::max<qsizetype>(got, 0));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        const HandoffParse parse = ParseHandoffFrame(connection.bytes);
        if (got > 0 && !parse.complete) continue;
        if (parse.request) {
            [[maybe_unused]] const ssize_t sent =
                ::send(connection.fd, &kAck, 1, MSG_NOSIGNAL | MSG_DONTWAIT);
        }
        Close(connection);
        // Last: what it does (open a chart, show a box) must not find this one half closed.
        if (parse.request) received_(parse.request->chartFile);
        return;
    }
}

void ChartHandoffServer::Close(Connection& connection) {
    // Called from the notifier's own signal too: it is switched off now, deleted later.
    connection.notifier->setEnabled(false);
    connection.notifier->deleteLater();
    ::close(connection.fd);
    std::erase_if(connections_, [&connection](const auto& open) { return open.get() == &connection; });
    if (connections_.empty()) sweep_.stop();
}

void ChartHandoffServer::CutExpired() {
    std::vector<Connection*> expired;
    for (const auto& connection : connections_) {
        if (connection->deadline.hasExpired()) expired.push_back(connection.get());
    }
    for (Connection* connection : expired) Close(*connection);
}

bool HandChartToRunningCopy(const QString& path, const QString& chartFile) {
    if (path.isEmpty()) return false;
    // The running copy has its own working folder.
    const QByteArray name =
        chartFile.isEmpty() ? QByteArray() : QFile::encodeName(QDir::current().absoluteFilePath(chartFile));
    if (name.size() > kMaxHandoffPathBytes) return false;
    return SendAndAwaitAnswer(QFile::encodeName(path), HandoffFrame(name));
}

}  // namespace tamovid
