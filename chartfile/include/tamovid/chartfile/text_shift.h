#pragma once

#include <string>
#include <string_view>

namespace tamovid {

/// Shifts every byte up by 85. Bytes of 171 and above cannot be shifted and are
/// dropped; the others keep their order. Every byte of the result lies in 85..255,
/// so a shifted text never holds CR, LF or another control byte.
std::string ScrambleText(std::string_view text);

/// Shifts every byte down by 85. Bytes below 85 cannot be shifted and are dropped.
std::string UnscrambleText(std::string_view text);

}  // namespace tamovid
