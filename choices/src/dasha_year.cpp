#include "tamovid/choices/dasha_year.h"

#include "tamovid/choices/table_rows.h"

namespace tamovid {

static_assert(RowsInEnumOrder(kDashaYears, &DashaYearRow::year));

std::optional<DashaYear> ParseDashaYear(std::string_view text) {
    return FindByKey(kDashaYears, text, &DashaYearRow::year, &DashaYearRow::key);
}

}  // namespace tamovid
