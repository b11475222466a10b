#include "tamovid/base/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <random>


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
constexpr std::size_t kMaxPidDigits = 10;     // a pid_t is at most 2^31 - 1
constexpr std::size_t kRandomHexDigits = 16;  // 64 random bits


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

/// Whether the kernel would follow this link when walking a path: in a folder that
/// everyone may write and that has the sticky bit, only a link of the folder's owner or
/// of the user himself is followed, so that nobody can plant a link where others save.
bool MayFollowLink(const struct stat& folderInfo, const struct stat& linkInfo) {
    const bool shared = (folderInfo.st_mode & S_ISVTX) != 0 && (folderInfo.st_mode & S_IWOTH) != 0;
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folderInfo.st_uid;
}

/// The parts of a path, without the empty ones and ".".
void PushParts(const std::string& path, std::deque<std::string>& parts) {
    std::deque<std::string> own;
    for (std::size_t at = 0; at <= path.size();) {
        const std::size_t end = std::min(path.find('/', at), path.size());
        const std::string part = path.substr(at, end - at);
        if (!part.empty() && part != ".") own.push_back(part);
        at = end + 1;
    }
    parts.insert(parts.begin(), own.begin(), own.end());
}

/// Which link of a path was refused, if one was.
enum class RefusedLink { kNone, kFile, kFolder };

/// Where a save goes: the folder it writes in, held open, and the file's name in it.
struct SaveTarget {
    int folder = -1;
    std::string name;
    RefusedLink refused = RefusedLink::kNone;
};

/// Walks the path one folder at a time, each opened from the one before without following
/// a link by itself, and follows a link only where the kernel's own link protection would,
/// for the folders on the way as for the file itself. What comes after works in the folder
/// found, so a link swapped in meanwhile is never followed either. The file may not exist;
/// a last link may dangle, and the new file is then made where it points.
int OpenSaveTarget(const fs::path& path, SaveTarget& target) {
    constexpr int kWalk = O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int current = ::open(path.is_absolute() ? "/" : ".", kWalk);
    if (current < 0) return errno;
    std::deque<std::string> parts;
    PushParts(path.string(), parts);
    int hops = 0;
    const auto fail = [&current](int error) {
        ::close(current);
        return error;
    };
    while (!parts.empty()) {
        const std::string name = parts.front();
        parts.pop_front();
        const bool last = parts.empty();
        struct stat info {};
        if (::fstatat(current, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (!last || errno != ENOENT) return fail(errno);
            info.st_mode = S_IFREG;  // a new file
        }
        if (S_ISLNK(info.st_mode)) {
            struct stat folderInfo {};
            if (::fstat(current, &folderInfo) != 0) return fail(errno);
            if (!MayFollowLink(folderInfo, info)) {
                target.refused = last ? RefusedLink::kFile : RefusedLink::kFolder;
                return fail(EACCES);
            }
            if (++hops > kMaxLinkHops) return fail(ELOOP);
            std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
            const ssize_t length = ::readlinkat(current, name.c_str(), link.data(), link.size());
            if (length < 0) return fail(errno);
            link.resize(static_cast<std::size_t>(length));
            if (link.starts_with('/')) {
                ::close(current);
                current = ::open("/", kWalk);
                if (current < 0) return errno;
            }
            PushParts(link, parts);
            // A link to a folder where the file itself was named: it is that folder.
            if (last && (parts.empty() || link.ends_with('/'))) return fail(EISDIR);
            continue;
        }
        if (last) {
            target.folder = current;
            target.name = name;
            return 0;
        }
        const int next = ::openat(current, name.c_str(), kWalk);
        const int error = errno;
        ::close(current);
        if (next < 0) return error;
        current = next;
    }
    return fail(EISDIR);
}

/// What an existing file is when it is not a regular file, in words; empty for a file.
std::string_view NotAFileKind(mode_t mode) {
    if (S_ISREG(mode)) return {};
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISFIFO(mode)) return "a pipe";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "a special file";
}

/// True when an existing file must not be replaced: the user may not write it, or nobody
/// may (which keeps even the administrator from replacing a deliberately protected file).
bool IsWriteProtected(const SaveTarget& target, const struct stat& info) {
    if ((info.st_mode & kAnyWriteBit) == 0) {
        return true;
    }
    return ::faccessat(target.folder, target.name.c_str(), W_OK, 0) != 0 &&
           (errno == EACCES || errno == EPERM);
}

bool AllOf(std::string_view text, bool (*accept)(char)) {
    return std::all_of(text.begin(), text.end(), accept);
}

/// Only the names this program makes: ".tamovid-<pid>-<16 hex digits>.tmp", the pid in
/// plain decimal. Any other name, even one that looks alike, belongs to someone else.
bool IsTemporaryName(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix) || !name.ends_with(kTemporarySuffix) ||
        name.size() < kTemporaryPrefix.size() + kTemporarySuffix.size()) {
        return false;
    }
    std::string_view middle = name.substr(
        kTemporaryPrefix.size(), name.size() - kTemporaryPrefix.size() - kTemporarySuffix.size());
    const auto dash = middle.find('-');
    if (dash == std::string_view::npos) return false;
    const std::string_view pid = middle.substr(0, dash);
    const std::string_view random = middle.substr(dash + 1);
    return !pid.empty() && pid.size() <= kMaxPidDigits && pid.front() != '0' &&
           AllOf(pid, [](char c) { return c >= '0' && c <= '9'; }) &&
           random.size() == kRandomHexDigits &&
           AllOf(random, [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

/// Removes the named temporary files that killed saves of this user left in a folder. A
/// save holds an exclusive lock on its temporary file until it is renamed, so a file whose
/// lock can be taken belongs to no running save; another user's file is never touched.
void RemoveLeftovers(int folder) {
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0) {
        return;  // a folder one may write but not list keeps its leftovers
    }
    DIR* dir = ::fdopendir(listed);
    if (dir == nullptr) {
        ::close(listed);
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
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid() ||
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
    char hex[kRandomHexDigits + 1] = {};
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(random()));
    return std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" + hex +
           std::string(kTemporarySuffix);
}

/// The new content's file while it is written: unnamed where the file system allows, so
/// that a killed save leaves nothing; `named` stays empty until it gets a name.
struct Temporary {
    int fd = -1;
    bool unnamed = false;
    std::string named;  ///< in the target's folder
};

int CreateTemporary(int folder, Temporary& temporary) {
#ifdef O_TMPFILE
    temporary.fd = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
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
        temporary.named = RandomTemporaryName(random);
        temporary.fd = ::openat(folder, temporary.named.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
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
int NameTemporary(int folder, Temporary& temporary) {
    const std::string self = "/proc/self/fd/" + std::to_string(temporary.fd);
    std::random_device seed;
    std::mt19937_64 random(seed());
    int lastError = EEXIST;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::string name = RandomTemporaryName(random);
        if (::linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
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
            notice = QuotedPath(path) + " now belongs to you; it belonged to another user.";
        }
    }
    ::fchmod(fd, previous.st_mode & kPermissionBits);
    if (previous.st_nlink > 1) {
        if (!notice.empty()) {
            notice += ' ';
        }
        notice +=
            "The other names (hard links) of " + QuotedPath(path) + " still show the earlier chart.";
    }
    return notice;
}

Failure<std::string> NotSaved(const fs::path& path, const std::string& what, int error) {
    return {"Could not save " + QuotedPath(path) + ": " + what + " (" + ErrnoText(error) + ")."};
}

}  // namespace

std::string QuotedPath(const fs::path& path) {
    // Appended piece by piece: `"\"" + text` makes some compilers warn of an overlap that
    // cannot happen.
    std::string text(1, '"');
    text += path.string();
    text += '"';
    return text;
}

FileWriteResult WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    IgnoreFileSizeSignal();
    if (path.filename().empty()) {
        return NotSaved(path, "the name is not a file name", EISDIR);
    }
    SaveTarget target;
    if (const int error = OpenSaveTarget(path, target); error != 0) {
        switch (target.refused) {
            case RefusedLink::kFile:
                return Failure{"Could not save " + QuotedPath(path) +
                               ": it is a link that another user made in a shared folder."};
            case RefusedLink::kFolder:
                return Failure{"Could not save " + QuotedPath(path) +
                               ": a folder on its way is a link that another user made in a "
                               "shared folder."};
            case RefusedLink::kNone:
                break;
        }
        return NotSaved(path, "cannot create a file in its folder", error);
    }
    const FileDescriptor folder(target.folder);
    struct stat previous {};
    const bool exists =
        ::fstatat(folder.get(), target.name.c_str(), &previous, AT_SYMLINK_NOFOLLOW) == 0;
    // Renaming over a device, a pipe or a folder would replace it, not write into it.
    if (exists && !S_ISREG(previous.st_mode)) {
        return Failure{"Could not save " + QuotedPath(path) + ": it is " +
                       std::string(NotAFileKind(previous.st_mode)) + ", not a regular file."};
    }
    if (exists && IsWriteProtected(target, previous)) {
        return Failure{"Could not save " + QuotedPath(path) + ": it is write-protected."};
    }
    RemoveLeftovers(folder.get());

    Temporary temporary;
    if (const int error = CreateTemporary(folder.get(), temporary); error != 0) {
        return NotSaved(path, "cannot create a file in its folder", error);
    }
    FileDescriptor file(temporary.fd);
    // Held until the rename, so that another save's clean-up knows the file is in use.
    ::flock(file.get(), LOCK_EX);
    std::string notice;
    if (exists) {
        notice = KeepAttributes(file.get(), path, previous);
    }
    int error = WriteAll(file.get(), bytes);
    const char* step = "cannot write it";
    if (error == 0 && ::fsync(file.get()) != 0) {
        error = errno;
        step = "cannot flush it to disk";
    }
    if (error == 0 && temporary.unnamed) {
        error = NameTemporary(folder.get(), temporary);
        step = "cannot create a file in its folder";
    }
    if (error == 0 && ::renameat(folder.get(), temporary.named.c_str(), folder.get(),
                                 target.name.c_str()) != 0) {
        error = errno;
        step = "cannot replace the file";
    }
    if (error != 0) {
        if (!temporary.named.empty()) {
            ::unlinkat(folder.get(), temporary.named.c_str(), 0);
        }
        return NotSaved(path, step, error);
    }
    file.release();
    // Make the rename itself durable; the file is already complete either way.
    const int synced = ::openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (synced >= 0) {
        ::fsync(synced);
        ::close(synced);
    }
    return FileWritten{std::move(notice)};
}

FileReadResult ReadSmallFile(const fs::path& path, std::size_t maxBytes) {
    const auto failure = [&path](const std::string& why) {
        return Failure{"Could not open " + QuotedPath(path) + ": " + why + "."};
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

}  // namespace tamovid
