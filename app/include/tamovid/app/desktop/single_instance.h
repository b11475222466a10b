#pragma once

#include <QString>

namespace tamovid {

/// Where the lock that keeps a second copy from starting lives by default.
QString DefaultLockPath();

/// Holds the single-instance lock for as long as it lives. The lock is the system's own
/// lock on the file, which the kernel drops when its holder ends however it ends; what
/// the file holds (nothing, garbage, another host's or a dead copy's note) never counts.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& path);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    /// False only when another running copy holds the lock. A lock file that cannot be
    /// made or opened at all (no such folder, no permission) lets the program start.
    bool tryAcquire();

private:
    QString path_;
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace tamovid
