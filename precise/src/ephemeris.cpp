#include "tamovid/precise/ephemeris.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <utility>

#include "swiss_session.h"

namespace tamovid::precise {
namespace {

// The Debian package swe-basic-data installs here; a locally added set may sit in the
// second folder. The planetary file for 1800-2400 tells that a folder holds the set.
constexpr std::array<std::string_view, 2> kDataFolders{"/usr/share/libswe/ephe",
                                                       "/usr/local/share/libswe/ephe"};
constexpr std::string_view kPlanetFile = "sepl_18.se1";
constexpr const char* kPathVariable = "SE_EPHE_PATH";

// Generation 0: nothing chosen yet, the installed folder is looked up on first use.
struct Configuration {
    std::mutex mutex;
    std::string folder;
    std::atomic<unsigned> generation{0};
};

Configuration& Shared() {
    static Configuration configuration;
    return configuration;
}

}  // namespace

std::string_view EphemerisKey(EphemerisSource source) {
    return source == EphemerisSource::kDataFiles ? "files" : "analytic";
}

std::string InstalledEphemerisFolder() {
    if (const char* path = std::getenv(kPathVariable); path != nullptr && *path != '\0') {
        return path;
    }
    for (const std::string_view folder : kDataFolders) {
        std::error_code error;
        if (std::filesystem::is_regular_file(
                std::filesystem::path(folder) / std::filesystem::path(kPlanetFile), error)) {
            return std::string(folder);
        }
    }
    return {};
}

void UseEphemerisFolder(std::string folder) {
    Configuration& shared = Shared();
    const std::lock_guard lock(shared.mutex);
    shared.folder = std::move(folder);
    ++shared.generation;
}

std::string EphemerisFolderInUse() { return CurrentFolder().folder; }

unsigned FolderGeneration() { return Shared().generation.load(std::memory_order_acquire); }

FolderChoice CurrentFolder() {
    Configuration& shared = Shared();
    const std::lock_guard lock(shared.mutex);
    if (shared.generation.load() == 0) {
        shared.folder = InstalledEphemerisFolder();
        shared.generation.store(1, std::memory_order_release);
    }
    return {shared.folder, shared.generation.load()};
}

}  // namespace tamovid::precise
