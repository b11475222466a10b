#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamovid {

/// UTF-8 to Windows-1252 bytes. Empty when the input is not valid UTF-8 or holds a
/// character that Windows-1252 has no byte for.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

/// Windows-1252 bytes to UTF-8. Never fails: the five bytes that Windows-1252 leaves
/// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same
/// number, so every byte survives a round trip through both functions.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace tamovid
