#include "zone_reader.h"

#include <cctz/zone_info_source.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <system_error>
#include <tuple>

#include "tamovid/base/file_io.h"

namespace tamovid::atlas::detail {
namespace {

/// Prefixed to every name handed to the library, so that none of its own special names
/// ("UTC", "Fixed/...", "libc:...") is ever taken from a file's path.
constexpr std::string_view kKeyPrefix = "tamovid:";

/// A zone file's bytes, as the library reads them.
class BytesSource final : public cctz::ZoneInfoSource {
public:
    explicit BytesSource(std::string bytes) : bytes_(std::move(bytes)) {}

    std::size_t Read(void* ptr, std::size_t size) override {
        const std::size_t n = std::min(size, bytes_.size() - position_);
        if (n > 0) std::memcpy(ptr, bytes_.data() + position_, n);
        position_ += n;
        return n;
    }
    int Skip(std::size_t offset) override {
        if (offset > bytes_.size() - position_) {
            position_ = bytes_.size();
            return -1;
        }
        position_ += offset;
        return 0;
    }

private:
    std::string bytes_;
    std::size_t position_ = 0;
};

/// The bytes the load in progress parses; set and taken only under ParseLock.
struct PendingBytes {
    const std::string* key = nullptr;
    std::string bytes;
};
PendingBytes& Pending() {
    static PendingBytes pending;
    return pending;
}
std::mutex& ParseLock() {
    static std::mutex lock;
    return lock;
}

/// The library asks here for every zone it loads. It gets only the bytes we read
/// ourselves, never the library's own reading of files (which would open a FIFO and wait).
std::unique_ptr<cctz::ZoneInfoSource> PendingSource(
    const std::string& name,
    const std::function<std::unique_ptr<cctz::ZoneInfoSource>(const std::string&)>&) {
    PendingBytes& pending = Pending();
    if (pending.key == nullptr || name != *pending.key) return nullptr;
    pending.key = nullptr;
    return std::make_unique<BytesSource>(std::move(pending.bytes));
}

constexpr std::size_t kHeaderBytes = 44;  // magic, version, 15 unused, six counts
constexpr std::size_t kCountsAt = 20;

std::uint64_t BigEndian32(std::string_view bytes, std::size_t at) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

/// The bytes of the data block after a header at `at`, from its six counts (UT/local
/// flags, standard/wall flags, leap seconds, transitions, types, abbreviation bytes),
/// with transition times and leap-second times of `timeBytes` each. Nothing when the
/// header is not there.
std::optional<std::uint64_t> BlockBytes(std::string_view bytes, std::size_t at,
                                        std::uint64_t timeBytes) {
    if (bytes.size() < at + kHeaderBytes || bytes.compare(at, 4, "TZif") != 0) return std::nullopt;
    std::uint64_t count[6];
    for (std::size_t i = 0; i < 6; ++i) count[i] = BigEndian32(bytes, at + kCountsAt + 4 * i);
    const auto [isut, isstd, leap, time, type, chars] =
        std::tuple(count[0], count[1], count[2], count[3], count[4], count[5]);
    constexpr std::uint64_t kTypeBytes = 6;  // offset, daylight flag, abbreviation index
    return time * (timeBytes + 1) + type * kTypeBytes + chars + leap * (timeBytes + 4) + isstd +
           isut;
}

/// Whether the file holds all that its headers count, so that the library, which sizes
/// its tables from the counts before it reads, never asks for more memory than the file
/// could fill (a few damaged bytes asked it for 4 GB).
bool CountsFitTheBytes(std::string_view bytes) {
    const std::optional<std::uint64_t> first = BlockBytes(bytes, 0, 4);
    if (!first || bytes.size() - kHeaderBytes < *first) return false;
    if (bytes[4] == '\0') return true;  // version 1: one block only
    const std::uint64_t second = kHeaderBytes + *first;
    const std::optional<std::uint64_t> later = BlockBytes(bytes, second, 8);
    return later && bytes.size() - second - kHeaderBytes >= *later;
}

Failure<AtlasError> CannotRead(std::string_view name, const std::string& why) {
    return {AtlasError{"The time zone \"" + std::string(name) + "\" cannot be read: " + why + ".",
                       true}};
}

/// A folder holds a database when it has one of the areas' folders.
bool HasDatabase(const std::filesystem::path& folder) {
    std::error_code error;
    return std::any_of(kZoneAreas.begin(), kZoneAreas.end(), [&](std::string_view area) {
        return std::filesystem::is_directory(folder / area, error);
    });
}

/// The database's list of its zones and their other names, beside its files.
constexpr std::string_view kZoneListFile = "tzdata.zi";
/// Longer than any name the list gives ("America/Argentina/ComodRivadavia" is 32).
constexpr std::size_t kMaxListedNameLength = 64;

/// Every name the database's list gives a zone by: its zones ("Z Asia/Kolkata ...") and their
/// links ("L America/New_York US/Eastern"). Empty when the list cannot be read.
std::set<std::string, std::less<>> ListedZoneNames(const std::filesystem::path& folder);

/// Why a file could not be read: the system's error number (0 for our own refusals).
struct ReadFailure {
    int error = 0;
    std::string why;
};

ReadFailure SystemError(int error) { return {error, std::generic_category().message(error)}; }

/// The file's bytes, or why they cannot be had. Opened without waiting, so that a FIFO
/// is refused rather than waited on; only a regular file is read, and only so much.
Result<std::string, ReadFailure> ReadZoneFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Failure{SystemError(errno)};
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) return Failure{SystemError(errno)};
    const std::string shown = QuotedPath(path);
    if (!S_ISREG(info.st_mode)) return Failure{ReadFailure{0, shown + " is not a regular file"}};
    const ReadFailure tooLarge{0, shown + " is larger than any zone file"};
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxZoneFileBytes) return Failure{tooLarge};
    std::string bytes(kMaxZoneFileBytes + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Failure{SystemError(errno)};
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    if (filled > kMaxZoneFileBytes) return Failure{tooLarge};  // it grew while read
    bytes.resize(filled);
    return bytes;
}

/// A name outside the areas ("UTC", "EST5EDT", "US/Eastern") counts where the database's
/// own list gives it; its parts are checked as any name's, so no path leaves the folder.
bool IsListedZoneName(const std::filesystem::path& folder, std::string_view name) {
    if (name.empty() || name.size() > kMaxListedNameLength || name.starts_with("posix/") ||
        name.starts_with("right/") || name.find("..") != std::string_view::npos ||
        !std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '+' || c == '/';
        })) {
        return false;
    }
    const auto names = ListedZoneNames(folder);
    return names.find(name) != names.end();
}

Result<cctz::time_zone, AtlasError> ReadZone(const std::filesystem::path& folder,
                                            std::string_view name) {
    if (!IsZoneName(name) && !IsListedZoneName(folder, name)) {
        return Failure{AtlasError{"Unknown time zone \"" + std::string(name) + "\"."}};
    }
    const std::filesystem::path path = folder / std::string(name);
    Result<std::string, ReadFailure> bytes = ReadZoneFile(path);
    if (!bytes.ok()) {
        const int error = bytes.error().error;
        if (error == ENOENT || error == ENOTDIR) {
            if (!HasDatabase(folder)) {
                return CannotRead(name, "there is no time-zone database in \"" + folder.string() +
                                            "\" (the tzdata package installs it)");
            }
            return Failure{AtlasError{"Unknown time zone \"" + std::string(name) + "\"."}};
        }
        return CannotRead(name, bytes.error().why);
    }
    std::optional<cctz::time_zone> zone = ParseZone(path.string(), std::move(bytes).value());
    if (!zone) return CannotRead(name, QuotedPath(path) + " is damaged");
    return *zone;
}

std::set<std::string, std::less<>> ListedZoneNames(const std::filesystem::path& folder) {
    std::set<std::string, std::less<>> names;
    Result<std::string, ReadFailure> bytes = ReadZoneFile(folder / kZoneListFile);
    if (!bytes.ok()) return names;
    std::istringstream lines(std::move(bytes).value());
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string kind, first, second;
        words >> kind >> first >> second;
        // The zone factory's placeholder is no place's clock.
        if (kind == "Z" && first != "Factory") names.insert(first);
        if (kind == "L" && !second.empty()) names.insert(second);
    }
    return names;
}

}  // namespace

std::optional<cctz::time_zone> ParseZone(const std::string& key, std::string bytes) {
    if (!CountsFitTheBytes(bytes)) return std::nullopt;
    const std::string libraryKey = std::string(kKeyPrefix) + key;
    const std::lock_guard<std::mutex> lock(ParseLock());
    PendingBytes& pending = Pending();
    pending.key = &libraryKey;
    pending.bytes = std::move(bytes);
    cctz::time_zone zone;
    const bool loaded = cctz::load_time_zone(libraryKey, &zone);
    pending.key = nullptr;
    pending.bytes.clear();
    if (!loaded) return std::nullopt;
    return zone;
}

Result<cctz::time_zone, AtlasError> LoadZone(const std::filesystem::path& folder,
                                            std::string_view name) {
    static std::mutex lock;
    static std::map<std::string, Result<cctz::time_zone, AtlasError>, std::less<>> loaded;
    // Built in a buffer kept by each thread, as a batch looks a zone up for every row.
    thread_local std::string key;
    key.assign(folder.native());
    key += '\n';
    key += name;
    const std::lock_guard<std::mutex> guard(lock);
    if (const auto found = loaded.find(key); found != loaded.end()) return found->second;
    return loaded.emplace(key, ReadZone(folder, name)).first->second;
}

}  // namespace tamovid::atlas::detail

namespace cctz_extension {
ZoneInfoSourceFactory zone_info_source_factory = tamovid::atlas::detail::PendingSource;
}  // namespace cctz_extension
