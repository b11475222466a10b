#include <system_error>

#include "tamovid/atlas/atlas.h"

namespace tamovid::atlas {

std::vector<std::filesystem::path> AtlasCandidates(const std::filesystem::path& executableDir) {
    std::vector<std::filesystem::path> candidates;
    if (!executableDir.empty()) {
        candidates.push_back(executableDir / ".." / "share" / "tamovid" / kAtlasFileName);
    }
    // A program run from its build tree reads the atlas committed in the source tree.
    candidates.emplace_back(TAMOVID_ATLAS_SOURCE_FILE);
    return candidates;
}

std::filesystem::path ExecutableDir() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe.parent_path();
}

Result<Atlas, AtlasError> LoadInstalledAtlas() {
    const std::vector<std::filesystem::path> candidates = AtlasCandidates(ExecutableDir());
    for (const std::filesystem::path& path : candidates) {
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) return Atlas::Load(path.lexically_normal());
    }
    return Atlas::Load(candidates.front().lexically_normal());
}

}  // namespace tamovid::atlas
