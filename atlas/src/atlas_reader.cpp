#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include "atlas_data.h"
#include "atlas_format.h"
#include "tamovid/base/file_io.h"
#include "tamovid/atlas/atlas.h"
#include "tamovid/atlas/fold.h"

namespace tamovid::atlas {
namespace {

using namespace format;

// A real atlas file is about 22 MB; a much bigger file is not one.
constexpr std::uint64_t kMaxFileBytes = 256u * 1024 * 1024;

class CopiedBytes final : public Storage {
public:
    explicit CopiedBytes(std::string_view bytes) : bytes_(bytes) {}
    std::string_view Bytes() const override { return bytes_; }

private:
    std::string bytes_;
};

/// The file's bytes read into memory. A mapping of the file would end the program with
/// SIGBUS once the file is truncated while in use, and show another writer's bytes as
/// they come; a copy stays as it was read. Loading reads every byte for the checksum
/// anyway, so the copy costs about what the page faults of a mapping did.
class ReadFile final : public Storage {
public:
    explicit ReadFile(std::size_t size)
        : bytes_(std::make_unique_for_overwrite<char[]>(size)), size_(size) {}
    char* data() { return bytes_.get(); }
    std::string_view Bytes() const override { return {bytes_.get(), size_}; }

private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};

/// How often a file that changes while it is read is read again before giving up.
constexpr int kReadAttempts = 3;

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

/// Reads exactly `info.st_size` bytes; false (errno 0) when the file changed meanwhile.
bool ReadWhole(int fd, const struct stat& info, ReadFile& into) {
    const auto size = static_cast<std::size_t>(info.st_size);
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = pread(fd, into.data() + filled, size - filled, static_cast<off_t>(filled));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (got == 0) errno = 0;  // shorter than it was: truncated meanwhile
            return false;
        }
        filled += static_cast<std::size_t>(got);
    }
    char more = 0;
    struct stat after {};
    errno = 0;
    return pread(fd, &more, 1, static_cast<off_t>(size)) == 0 && fstat(fd, &after) == 0 &&
           SameFile(info, after);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

bool RowCount(const AtlasData& d, Section s, std::size_t rowSize, std::size_t& count) {
    count = d.section[s].size() / rowSize;
    return d.section[s].size() % rowSize == 0;
}

/// The sizes the tables must have among themselves. What the rows say is checked where
/// it is read (see AtlasData), which keeps loading from touching every row.
bool TablesHoldTogether(AtlasData& d) {
    if (!RowCount(d, kCountries, kCountryRowSize, d.countryCount) ||
        !RowCount(d, kStates, kStateRowSize, d.stateCount) ||
        !RowCount(d, kZones, kZoneRowSize, d.zoneCount) ||
        !RowCount(d, kPlaces, kPlaceRowSize, d.placeCount) ||
        !RowCount(d, kKeys, kKeyRowSize, d.keyCount) ||
        !RowCount(d, kPostings, 4, d.postingCount)) {
        return false;
    }
    if (d.section[kPostingStart].size() != 4 * (d.keyCount + 1)) return false;
    if (d.section[kKeyBest].size() != 4 * d.keyCount) return false;
    // Place rows hold 16-bit country and zone indexes.
    if (d.countryCount > kNoCountry || d.zoneCount > 0xFFFF) return false;
    for (std::size_t c = 0; c < d.countryCount; ++c) {
        auto& names = d.foldedCountryNames.emplace_back();
        for (std::size_t field = 0; field < names.size(); ++field) {
            names[field] = FoldQuery(d.CountryText(c, field));
        }
    }
    for (std::size_t s = 0; s < d.stateCount; ++s) {
        const std::uint32_t country = GetU32(d.Row(kStates, kStateRowSize, s));
        d.stateCountry.push_back(country < d.countryCount ? static_cast<std::uint16_t>(country)
                                                          : kNoCountry);
        d.foldedStates.push_back(FoldQuery(d.StateName(s)));
    }
    return true;
}

constexpr std::string_view kByHand =
    " Places cannot be looked up; type the coordinates and the time zone by hand.";

Failure<AtlasError> Damaged(std::string_view why, const std::string& shown = {}) {
    return {AtlasError{"The place atlas " + (shown.empty() ? std::string() : shown + " ") +
                       "is damaged (" + std::string(why) + ")." + std::string(kByHand)}};
}

Failure<AtlasError> Unreadable(const std::string& shown, int error) {
    return {AtlasError{"The place atlas " + shown + " cannot be read (" +
                       std::strerror(error) + ")." + std::string(kByHand)}};
}


}  // namespace

PlaceRow AtlasData::RowAt(std::size_t p) const {
    const char* at = Row(kPlaces, kPlaceRowSize, p);
    PlaceRow row;
    row.name = TextAt(at);
    row.asciiName = TextAt(at + 8);
    row.latitude = static_cast<std::int16_t>(GetU16(at + 16));
    row.longitude = static_cast<std::int16_t>(GetU16(at + 18));
    row.country = GetU16(at + 20);
    row.zone = GetU16(at + 22);
    row.state = GetU32(at + 24);
    row.population = GetU32(at + 28);
    return row;
}

/// The atlas over checked bytes; the header and sections are checked here.
class AtlasBuilder {
public:
    static Result<Atlas, AtlasError> Build(std::unique_ptr<Storage> storage) {
        const std::string_view bytes = storage->Bytes();
        if (bytes.size() < kHeaderSize || bytes.substr(0, kMagic.size()) != kMagic) {
            return Damaged("it is not an atlas file");
        }
        if (GetU32(bytes.data() + 8) != kVersion) {
            return Damaged("it was made for another version of the program");
        }
        if (GetU32(bytes.data() + 12) != kSectionCount) return Damaged("its tables do not hold together");
        if (GetU64(bytes.data() + kChecksumAt) != Checksum(bytes.substr(kHeaderSize))) {
            return Damaged("its checksum does not match");
        }
        auto data = std::make_unique<AtlasData>();
        for (std::size_t s = 0; s < kSectionCount; ++s) {
            const std::uint64_t offset = GetU32(bytes.data() + 24 + 8 * s);
            const std::uint64_t size = GetU32(bytes.data() + 28 + 8 * s);
            if (offset < kHeaderSize || offset % kAlignment != 0 || offset + size > bytes.size()) {
                return Damaged("its size is wrong");
            }
            data->section[s] = bytes.substr(offset, size);
        }
        data->storage = std::move(storage);
        if (!TablesHoldTogether(*data)) return Damaged("its tables do not hold together");
        return Atlas(std::move(data));
    }
};

Result<Atlas, AtlasError> Atlas::FromBytes(std::string_view bytes) {
    return AtlasBuilder::Build(std::make_unique<CopiedBytes>(bytes));
}

Result<Atlas, AtlasError> Atlas::Load(const std::filesystem::path& path) {
    const std::string shown = QuotedPath(path);
    const FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) return Unreadable(shown, errno);
    struct stat info {};
    if (fstat(fd.get(), &info) != 0) return Unreadable(shown, errno);
    // A FIFO or a device would block or never end; only a regular file is an atlas.
    if (!S_ISREG(info.st_mode)) return Damaged("it is not a regular file", shown);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > kMaxFileBytes) return Damaged("the file is far too big", shown);
    if (size < kHeaderSize) return Damaged("it is not an atlas file", shown);
    auto bytes = std::make_unique<ReadFile>(static_cast<std::size_t>(size));
    for (int attempt = 1; !ReadWhole(fd.get(), info, *bytes); ++attempt) {
        if (errno != 0) return Unreadable(shown, errno);
        if (attempt == kReadAttempts) {
            return Failure{AtlasError{"The place atlas " + shown +
                                      " kept changing while it was read." + std::string(kByHand)}};
        }
        if (fstat(fd.get(), &info) != 0) return Unreadable(shown, errno);
        if (static_cast<std::uint64_t>(info.st_size) != size) {
            return Failure{AtlasError{"The place atlas " + shown +
                                      " changed while it was read." + std::string(kByHand)}};
        }
    }
    Result<Atlas, AtlasError> atlas = AtlasBuilder::Build(std::move(bytes));
    if (!atlas.ok()) {
        std::string message = atlas.error().message;
        const std::size_t after = std::string_view("The place atlas ").size();
        if (message.compare(after, shown.size(), shown) != 0) message.insert(after, shown + " ");
        return Failure{AtlasError{std::move(message)}};
    }
    return atlas;
}

}  // namespace tamovid::atlas
