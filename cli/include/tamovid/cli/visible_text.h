#pragma once

#include <string>
#include <string_view>

namespace tamovid::cli {

/// Text for a terminal with every control character written out, so that a name or a
/// file's bytes cannot move the cursor, retitle the window or recolour the output: C0
/// controls and DEL as \xNN (\x1B), C1 controls as \uNNNN (\u009B), and bytes that are
/// not UTF-8 as \xNN (\xFF). Everything else is kept as it is.
std::string VisibleText(std::string_view utf8);

}  // namespace tamovid::cli
