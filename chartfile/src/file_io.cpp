#include "tamovid/chartfile/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "tamovid/chartfile/chart_file.h"

namespace tamovid {
namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryNameAttempts = 16;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the user's umask, as for any new file

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

/// Creates a fresh file beside the target, named so that it cannot clash with an
/// existing one; the name is returned through temporary.
int CreateTemporaryBeside(const fs::path& target, fs::path& temporary) {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const fs::path folder = target.parent_path();
    int lastError = EEXIST;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        // Short and fixed in form, so any target name that fits the folder also works here.
        const std::string name = ".tamovid-" + std::to_string(random() % 1000000000U) + ".tmp";
        temporary = folder.empty() ? fs::path(name) : folder / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              kNewFileMode);
        if (fd >= 0) {
            return fd;
        }
        lastError = errno;
        if (lastError != EEXIST) {
            break;
        }
    }
    errno = lastError;
    return -1;
}

FileWriteResult Failure(const fs::path& path, const std::string& what, int error) {
    return {false, "Could not save " + Quoted(path) + ": " + what + " (" + ErrnoText(error) + ")."};
}

}  // namespace

FileWriteResult WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    if (path.filename().empty()) {
        return Failure(path, "the name is not a file name", EISDIR);
    }
    fs::path temporary;
    const int fd = CreateTemporaryBeside(path, temporary);
    if (fd < 0) {
        return Failure(path, "cannot create a file in its folder", errno);
    }
    FileDescriptor file(fd);
    // A replaced file keeps its permissions.
    struct stat previous {};
    if (::stat(path.c_str(), &previous) == 0 && S_ISREG(previous.st_mode)) {
        ::fchmod(file.get(), previous.st_mode & 07777);
    }
    int error = WriteAll(file.get(), bytes);
    const char* step = "cannot write it";
    if (error == 0 && ::fsync(file.get()) != 0) {
        error = errno;
        step = "cannot flush it to disk";
    }
    if (error == 0) {
        error = file.release();
        step = "cannot finish writing it";
    }
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        step = "cannot replace the file";
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(path, step, error);
    }
    // Make the rename itself durable; the file is already complete either way.
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {true, {}};
}

FileReadResult ReadSmallFile(const fs::path& path, std::size_t maxBytes) {
    const auto failure = [&path](const std::string& why) {
        return FileReadResult{std::nullopt, "Could not open " + Quoted(path) + ": " + why + "."};
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
    return {std::move(bytes), {}};
}

FileReadResult ReadChartFile(const fs::path& path) {
    return ReadSmallFile(path, kChartFileMaxBytes);
}

}  // namespace tamovid
