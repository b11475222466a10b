#include "tamovid/app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace tamovid {

QString DefaultLockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    }
    return QDir(dir).filePath(QStringLiteral("tamovid.lock"));
}

SingleInstanceLock::SingleInstanceLock(const QString& path) : lock_(path) {
    // Only a dead owner makes a lock stale: by age alone a long-running copy
    // would lose its lock after the default 30 seconds.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceLock::tryAcquire() {
    if (lock_.isLocked() || lock_.tryLock(0)) {
        return true;
    }
    // Only a lock that another live copy holds refuses the start; a lock file that
    // cannot be written at all (no such folder, no permission) must not lock the
    // user out of the program.
    return lock_.error() != QLockFile::LockFailedError;
}

}  // namespace tamovid
