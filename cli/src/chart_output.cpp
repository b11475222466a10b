#include "tamovid/cli/chart_output.h"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

#include "tamovid/chartlayout/image_format.h"

namespace tamovid::cli {
namespace {

using WriteChartFunction = bool (*)(const FullReading*, ChartStyle, const std::string*,
                                    std::string*);
using WritePdfFunction = bool (*)(const FullReading*, int, ChartStyle, const std::string*,
                                  std::string*);

// Beside the program in the build tree; in lib/tamovid beside bin/ once installed.
std::vector<std::filesystem::path> ModuleCandidates() {
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const std::filesystem::path folder = program.parent_path();
    return {folder / kChartModuleName, folder.parent_path() / "lib" / "tamovid" / kChartModuleName};
}

/// The drawing module's function of this name, or nothing with the reason in `reason`.
template <typename Function>
Function FindDrawing(const char* symbol, std::string& reason) {
    reason = "it was not found beside the program";
    for (const std::filesystem::path& candidate : ModuleCandidates()) {
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec)) continue;
        // Kept loaded to the end: Qt leaves behind state that must not lose its code.
        void* module = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            reason = dlerror();
            continue;
        }
        if (auto function = reinterpret_cast<Function>(dlsym(module, symbol))) return function;
        reason = "it does not draw this";
    }
    return nullptr;
}

std::string NotLoaded(const std::string& what, const std::string& reason) {
    return what + ": the drawing part of the program (" + std::string(kChartModuleName) +
           ") could not be loaded: " + reason + ".";
}

/// Calls the drawing module's function of this name with the arguments and a place for
/// its error; `what` begins the sentence when the module cannot be used.
template <typename Function, typename... Arguments>
FileWriteResult CallDrawing(const char* symbol, const std::string& what, Arguments... arguments) {
    std::string reason;
    const auto draw = FindDrawing<Function>(symbol, reason);
    if (draw == nullptr) return Failure{NotLoaded(what, reason)};
    std::string error;
    if (!draw(arguments..., &error)) return Failure{std::move(error)};
    return FileWritten{};
}

}  // namespace

bool IsChartImageName(const std::string& path) { return ChartImageFormatFor(path).has_value(); }

bool IsPdfName(const std::string& path) {
    constexpr std::string_view kEnding = ".pdf";
    return path.size() >= kEnding.size() &&
           std::equal(kEnding.begin(), kEnding.end(),
                      path.end() - static_cast<std::ptrdiff_t>(kEnding.size()),
                      [](char lower, char c) {
                          return lower == std::tolower(static_cast<unsigned char>(c));
                      });
}

FileWriteResult WriteReadingChart(const FullReading& full, ChartStyle style,
                                  const std::string& path) {
    return CallDrawing<WriteChartFunction>("tamovid_write_reading_chart",
                                           "The chart \"" + path + "\" was not drawn", &full,
                                           style, &path);
}

FileWriteResult WriteReadingPdfFile(const FullReading& full, int zoneRow, ChartStyle style,
                                    const std::string& path) {
    return CallDrawing<WritePdfFunction>("tamovid_write_reading_pdf",
                                         "The reading \"" + path + "\" was not written", &full,
                                         zoneRow, style, &path);
}

}  // namespace tamovid::cli
