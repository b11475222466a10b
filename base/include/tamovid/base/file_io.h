#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "tamovid/base/result.h"

namespace tamovid {

/// A file that was written whole.
struct FileWritten {
    std::string notice;  ///< what changed besides the content (owner, hard links), or empty
};

/// A written file, or a sentence for the user naming the file and the reason.
using FileWriteResult = Result<FileWritten, std::string>;

/// Replaces the file at path with bytes, or leaves it exactly as it was.
///
/// A symbolic link is followed and the file it leads to is replaced in its own folder, so
/// the link stays a link; a link in a sticky folder that everyone may write is followed
/// only when the user or the folder's owner made it, as the kernel itself would, whether
/// it stands for the file or for any folder of the path. Anything
/// but a regular file (a folder, a device, a pipe, a socket) is refused and left alone. An
/// existing file that the user may not write, or that has no write permission for anyone,
/// is refused as write-protected. The bytes go to an unnamed
/// file in the target's folder (a named one where the file system has no unnamed files),
/// which takes the old file's permissions and, where allowed, its owner, is flushed to
/// disk and then renamed over the target. A temporary file that a killed save left behind
/// is removed by the next save of the same user into that folder; no other file is touched.
/// The path in double quotes, as messages name a file: "\"/home/asha/Ravi.vug\"".
std::string QuotedPath(const std::filesystem::path& path);

FileWriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

/// The whole file, or a sentence for the user naming the file and the reason.
using FileReadResult = Result<std::string, std::string>;

/// Reads a regular file of at most maxBytes bytes. A larger file, a folder, a device or
/// a pipe is refused without reading it; at most maxBytes + 1 bytes are ever read.
FileReadResult ReadSmallFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace tamovid
