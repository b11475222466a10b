#pragma once

#include <cstddef>
#include <optional>
#include <ostream>

#include <nlohmann/json.hpp>

#include "tamovid/birthentry/calculation.h"

namespace tamovid::cli {

/// {"row"?, "name", "sun", "ascendant", "points": [five objects in point order]}; each
/// point holds "name", "position", "lord", "house", "description", "interpretation".
nlohmann::ordered_json ReadingJson(const Reading& reading,
                                   std::optional<std::size_t> row = std::nullopt);

/// {"row": n, "error": message}.
nlohmann::ordered_json RowErrorJson(std::size_t row, std::string_view message);

/// One JSON value on one line. Text that is not valid UTF-8 is written with U+FFFD in
/// place of the broken bytes rather than failing the whole output.
void WriteJsonLine(std::ostream& out, const nlohmann::ordered_json& value);

/// The readable reading: name, place, the Sun and the Ascendant, then each point's
/// heading and the five lines the window shows for it.
void WriteTextReading(std::ostream& out, const Reading& reading);

}  // namespace tamovid::cli
