#include "tamovid/cli/chart_output.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "tamovid/chartlayout/image_format.h"

namespace tamovid::cli {
namespace {

using WriteChartFunction = bool (*)(const Reading*, ChartStyle, const std::string*, std::string*);

// Beside the program in the build tree; in lib/tamovid beside bin/ once installed.
std::vector<std::filesystem::path> ModuleCandidates() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const std::filesystem::path folder = program.parent_path();
    return {folder / kChartModuleName, folder.parent_path() / "lib" / "tamovid" / kChartModuleName};
}

}  // namespace

bool IsChartImageName(const std::string& path) { return ChartImageFormatFor(path).has_value(); }

FileWriteResult WriteReadingChart(const Reading& reading, ChartStyle style, const std::string& path) {
    std::string reason = "it was not found beside the program";
    for (const std::filesystem::path& candidate : ModuleCandidates()) {
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec)) continue;
        // Kept loaded to the end: Qt leaves behind state that must not lose its code.
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            reason = dlerror();
            continue;
        }
        auto write = reinterpret_cast<WriteChartFunction>(dlsym(module, "tamovid_write_reading_chart"));
        if (write == nullptr) {
            reason = "it does not draw charts";
            continue;
        }
        std::string error;
        if (!write(&reading, style, &path, &error)) return {false, error};
        return {true, {}};
    }
    return {false, "The chart \"" + path + "\" was not drawn: the drawing part of the program (" +
                       std::string(kChartModuleName) + ") could not be loaded: " + reason + "."};
}

}  // namespace tamovid::cli
