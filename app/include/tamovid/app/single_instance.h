#pragma once

#include <QLockFile>
#include <QString>

namespace tamovid {

/// Where the lock that keeps a second copy from starting lives by default.
QString DefaultLockPath();

/// Holds the single-instance lock for as long as it lives. A lock left behind by a
/// copy that crashed is recognised by its dead process and taken over.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& path);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    /// False only when another running copy holds the lock.
    bool tryAcquire();

private:
    QLockFile lock_;
};

}  // namespace tamovid
