#include <system_error>

#include "tamovid/atlas/atlas.h"

namespace tamovid::atlas {

std::vector<std::filesystem::path> AtlasCandidates(const std::filesystem::path& executableDir) {
    // Only beside the program: installed, `<prefix>/bin/../share/tamovid`; in the build
    // tree, the share folder the build unpacks the atlas into. No path of the tree the
    // program was built in is kept, so an installed program never reads a file that
    // someone may have put there.
    if (executableDir.empty()) return {};
    return {executableDir / ".." / "share" / "tamovid" / kAtlasFileName};
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
    if (candidates.empty()) {
        return Atlas::Load(std::filesystem::path("share") / "tamovid" / kAtlasFileName);
    }
    return Atlas::Load(candidates.front().lexically_normal());
}

}  // namespace tamovid::atlas
