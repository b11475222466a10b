#include "tamovid/chartlayout/image_format.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tamovid {

std::optional<ChartImageFormat> ChartImageFormatFor(const std::filesystem::path& path) {
    std::string ending = path.extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".svg") return ChartImageFormat::kSvg;
    if (ending == ".png") return ChartImageFormat::kPng;
    return std::nullopt;
}

}  // namespace tamovid
