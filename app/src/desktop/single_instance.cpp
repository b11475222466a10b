#include "tamovid/app/desktop/single_instance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace tamovid {
namespace {

constexpr mode_t kLockFileMode = 0600;

}  // namespace

QString DefaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return QDir(dir).filePath(QStringLiteral("tamovid.lock"));
}

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path) {}

SingleInstanceLock::~SingleInstanceLock() {
    // The file stays: removing it would let a copy starting now lock a new file while
    // another still holds the old one.
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool SingleInstanceLock::tryAcquire() {
    if (held_) {
        return true;
    }
    const QByteArray name = QFile::encodeName(path_);
    // Close-on-exec, so that a browser started from the window does not keep the lock
    // after the program ends. Not following a planted link keeps it on our own file.
    constexpr int kFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | kFlags, kLockFileMode);
    if (fd < 0) {
        fd = ::open(name.constData(), O_RDONLY | kFlags);  // a lock file we may only read
    }
    if (fd < 0) {
        return true;
    }
    // In a shared folder another user's file could be held to keep us out; only our
    // own lock file counts.
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_uid != ::geteuid()) {
        ::close(fd);
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error != EWOULDBLOCK;  // any other failure must not lock the user out
    }
    fd_ = fd;
    held_ = true;
    // A note for whoever looks at the file; the lock itself does not depend on it.
    if (::ftruncate(fd_, 0) == 0) {
        const std::string note = std::to_string(::getpid()) + "\n";
        [[maybe_unused]] const ssize_t written = ::write(fd_, note.data(), note.size());
    }
    return true;
}

}  // namespace tamovid
