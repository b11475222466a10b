#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tamovid {

struct FileWriteResult {
    bool ok = false;
    std::string error;  ///< a sentence for the user when !ok, naming the file and the reason
};

/// Replaces the file at path with bytes, or leaves it exactly as it was. The bytes go
/// to a new file in the same folder, which is flushed to disk and then renamed over the
/// target; on any failure the new file is removed.
FileWriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

struct FileReadResult {
    std::optional<std::string> bytes;  ///< the whole file, when it could be read
    std::string error;                 ///< a sentence for the user otherwise
};

/// Reads a regular file of at most maxBytes bytes. A larger file, a folder, a device or
/// a pipe is refused without reading it; at most maxBytes + 1 bytes are ever read.
FileReadResult ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes);

/// Reads a chart file: ReadSmallFile with the chart file's size limit.
FileReadResult ReadChartFile(const std::filesystem::path& path);

}  // namespace tamovid
