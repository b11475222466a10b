#include "tamovid/birthentry/birth.h"

#include "tamovid/positions/tables.h"

namespace tamovid {

namespace {

/// The first row without correction.
int RowWithoutCorrection() {
    for (std::size_t row = 0; row < kTimeZoneCount; ++row) {
        if (intTZHours[row] == 0 && intTZMinutes[row] == 0) return static_cast<int>(row);
    }
    return 0;
}

}  // namespace

Birth BlankBirth() {
    // Found once: a batch starts every row from a blank birth.
    static const int kRow = RowWithoutCorrection();
    Birth birth;
    birth.zone = TableZone{kRow, false};
    return birth;
}

}  // namespace tamovid
