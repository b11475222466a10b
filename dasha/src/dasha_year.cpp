#include <cctype>

#include "tamovid/dasha/dasha_year.h"

namespace tamovid {

std::optional<DashaYear> ParseDashaYear(std::string_view text) {
    for (const DashaYearRow& row : kDashaYears) {
        if (row.key.size() != text.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < text.size() && same; ++i) {
            same = std::tolower(static_cast<unsigned char>(text[i])) == row.key[i];
        }
        if (same) return row.year;
    }
    return std::nullopt;
}

}  // namespace tamovid
