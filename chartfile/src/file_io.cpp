#include "tamovid/chartfile/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <random>

#include "tamovid/chartfile/chart_file.h"

namespace tamovid {
namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryNameAttempts = 16;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the user's umask, as for any new file
constexpr mode_t kPermissionBits = 07777;
constexpr mode_t kAnyWriteBit = 0222;
constexpr int kMaxLinkHops = 40;  // the kernel's own limit for one path
constexpr std::string_view kTemporaryPrefix = ".tamovid-";
constexpr std::string_view kTemporarySuffix = ".tmp";

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

std::string ErrnoText(int error) { return std::strerror(error); }

std::string TooLarge(std::size_t maxBytes) {
    return "it is larger than " + std::to_string(maxBytes) + " bytes";
}

/// Closes a descriptor on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    /// Closes now and reports close's own error, which can carry a delayed write failure.
    int release() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

/// A file-size limit (ulimit -f) would otherwise kill the program on the write, with no
/// message and a half-written temporary file; ignored, the write fails with EFBIG.
void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

/// The file a path finally names: symbolic links followed, each relative one from its
/// own folder. The last link may dangle; the new file is then made where it points.
int FollowLinks(const fs::path& path, fs::path& target) {
    target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return 0;
        }
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length < 0) {
            return errno;
        }
        link.resize(static_cast<std::size_t>(length));
        const fs::path next(link);
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return ELOOP;
}

/// True when an existing file must not be replaced: the user may not write it, or nobody
/// may (which keeps even the administrator from replacing a deliberately protected file).
bool IsWriteProtected(const fs::path& target, const struct stat& info) {
    if ((info.st_mode & kAnyWriteBit) == 0) {
        return true;
    }
    return ::access(target.c_str(), W_OK) != 0 && (errno == EACCES || errno == EPERM);
}

bool IsTemporaryName(std::string_view name) {
    if (name.size() <= kTemporaryPrefix.size() + kTemporarySuffix.size() ||
        !name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix)) {
        return false;
    }
    const std::string_view digits = name.substr(
        kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// Removes the named temporary files that killed saves left in a folder. A save holds an
/// exclusive lock on its temporary file until it is renamed, so a file whose lock can be
/// taken belongs to no running save.
void RemoveLeftovers(const fs::path& folder) {
    const fs::path dirPath = folder.empty() ? fs::path(".") : folder;
    DIR* dir = ::opendir(dirPath.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryName(entry->d_name)) {
            continue;
        }
        const int fd =
            ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        FileDescriptor file(fd);
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
            ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            continue;
        }
        // Still the same file under that name: never remove one that just replaced it.
        if (::fstatat(::dirfd(dir), entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

std::string RandomTemporaryName(std::mt19937_64& random) {
    // Short and fixed in form, so any target name that fits the folder also works here.
    return std::string(kTemporaryPrefix) + std::to_string(random() % 1000000000U) +
           std::string(kTemporarySuffix);
}

fs::path Beside(const fs::path& folder, const std::string& name) {
    return folder.empty() ? fs::path(name) : folder / name;
}

/// The new content's file while it is written: unnamed where the file system allows, so
/// that a killed save leaves nothing; `named` stays empty until it gets a name.
struct Temporary {
    int fd = -1;
    bool unnamed = false;
    fs::path named;
};

int CreateTemporary(const fs::path& folder, Temporary& temporary) {
    const fs::path dirPath = folder.empty() ? fs::path(".") : folder;
#ifdef O_TMPFILE
    temporary.fd = ::open(dirPath.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
    if (temporary.fd >= 0) {
        temporary.unnamed = true;
        return 0;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        return errno;
    }
#endif
    std::random_device seed;
    std::mt19937_64 random(seed());
    int lastError = EEXIST;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary.named = Beside(folder, RandomTemporaryName(random));
        temporary.fd =
            ::open(temporary.named.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (temporary.fd >= 0) {
            return 0;
        }
        lastError = errno;
        if (lastError != EEXIST) {
            break;
        }
    }
    temporary.named.clear();
    return lastError;
}

/// Gives an unnamed temporary file a name beside the target, ready to be renamed.
int NameTemporary(const fs::path& folder, Temporary& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(temporary.fd);
    std::random_device seed;
    std::mt19937_64 random(seed());
    int lastError = EEXIST;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const fs::path name = Beside(folder, RandomTemporaryName(random));
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary.named = name;
            return 0;
        }
        lastError = errno;
        if (lastError != EEXIST) {
            break;
        }
    }
    return lastError;
}

/// Gives the new file the old one's owner, group and permissions, and says what could
/// not be kept. Owner first: changing it clears the set-user-ID bits again.
std::string KeepAttributes(int fd, const fs::path& path, const struct stat& previous) {
    std::string notice;
    if (::fchown(fd, previous.st_uid, previous.st_gid) != 0) {
        ::fchown(fd, static_cast<uid_t>(-1), previous.st_gid);
        struct stat now {};
        if (::fstat(fd, &now) == 0 && now.st_uid != previous.st_uid) {
            notice = Quoted(path) + " now belongs to you; it belonged to another user.";
        }
    }
    ::fchmod(fd, previous.st_mode & kPermissionBits);
    if (previous.st_nlink > 1) {
        if (!notice.empty()) {
            notice += ' ';
        }
        notice +=
            "The other names (hard links) of " + Quoted(path) + " still show the earlier chart.";
    }
    return notice;
}

Failure<std::string> NotSaved(const fs::path& path, const std::string& what, int error) {
    return {"Could not save " + Quoted(path) + ": " + what + " (" + ErrnoText(error) + ")."};
}

}  // namespace

FileWriteResult WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    IgnoreFileSizeSignal();
    if (path.filename().empty()) {
        return NotSaved(path, "the name is not a file name", EISDIR);
    }
    fs::path target;
    if (const int error = FollowLinks(path, target); error != 0) {
        return NotSaved(path, "cannot follow its link", error);
    }
    struct stat previous {};
    const bool exists = ::stat(target.c_str(), &previous) == 0;
    if (exists && S_ISREG(previous.st_mode) && IsWriteProtected(target, previous)) {
        return Failure{"Could not save " + Quoted(path) + ": it is write-protected."};
    }
    const fs::path folder = target.parent_path();
    RemoveLeftovers(folder);

    Temporary temporary;
    if (const int error = CreateTemporary(folder, temporary); error != 0) {
        return NotSaved(path, "cannot create a file in its folder", error);
    }
    FileDescriptor file(temporary.fd);
    // Held until the rename, so that another save's clean-up knows the file is in use.
    ::flock(file.get(), LOCK_EX);
    std::string notice;
    if (exists && S_ISREG(previous.st_mode)) {
        notice = KeepAttributes(file.get(), path, previous);
    }
    int error = WriteAll(file.get(), bytes);
    const char* step = "cannot write it";
    if (error == 0 && ::fsync(file.get()) != 0) {
        error = errno;
        step = "cannot flush it to disk";
    }
    if (error == 0 && temporary.unnamed) {
        error = NameTemporary(folder, temporary);
        step = "cannot create a file in its folder";
    }
    if (error == 0 && ::rename(temporary.named.c_str(), target.c_str()) != 0) {
        error = errno;
        step = "cannot replace the file";
    }
    if (error != 0) {
        if (!temporary.named.empty()) {
            ::unlink(temporary.named.c_str());
        }
        return NotSaved(path, step, error);
    }
    file.release();
    // Make the rename itself durable; the file is already complete either way.
    const fs::path dirPath = folder.empty() ? fs::path(".") : folder;
    const int dir = ::open(dirPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return FileWritten{std::move(notice)};
}

FileReadResult ReadSmallFile(const fs::path& path, std::size_t maxBytes) {
    const auto failure = [&path](const std::string& why) {
        return Failure{"Could not open " + Quoted(path) + ": " + why + "."};
    };
    // Non-blocking, so that opening a pipe cannot hang; it is refused just below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return failure(ErrnoText(errno));
    }
    FileDescriptor file(fd);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        return failure(ErrnoText(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return failure("it is not a regular file");
    }
    if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return failure(TooLarge(maxBytes));
    }
    // The size can change under us; never read more than one byte past the limit.
    std::string bytes(maxBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failure(ErrnoText(errno));
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    if (filled > maxBytes) {
        return failure(TooLarge(maxBytes));
    }
    bytes.resize(filled);
    return bytes;
}

FileReadResult ReadChartFile(const fs::path& path) {
    return ReadSmallFile(path, kChartFileMaxBytes);
}

}  // namespace tamovid
