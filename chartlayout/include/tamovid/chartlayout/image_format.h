#pragma once

#include <filesystem>
#include <optional>

namespace tamovid {

enum class ChartImageFormat { kSvg, kPng };

/// The format a file name asks for by its ending (".svg" or ".png", any case); nothing
/// for any other name.
std::optional<ChartImageFormat> ChartImageFormatFor(const std::filesystem::path& path);

}  // namespace tamovid
