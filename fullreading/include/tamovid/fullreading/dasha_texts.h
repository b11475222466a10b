#pragma once

#include <array>
#include <optional>
#include <string>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/dasha/vimshottari.h"

namespace tamovid {

/// "sidereal years of 365.256363 days": the year every dasha output names.
std::string DashaYearText(DashaYear year);

/// "18y 0m 26d": an age or a length as periods are counted.
std::string DashaSpanText(const DashaSpan& span);

/// One period as the window and the printed page list it.
struct DashaLine {
    std::string lord;
    std::string start;  ///< as the birth place's clock showed it: "2025-09-10 00:59"
    std::string end;
    std::string age;  ///< at the start, "18y 0m 26d"; "" for a start before the birth
};

/// Every period of a dasha in lines, and which run at a moment.
struct DashaLines {
    std::array<DashaLine, kDashaLordCount> maha;
    std::array<std::array<DashaLine, kDashaLordCount>, kDashaLordCount> sub;
    std::optional<RunningPeriod> running;
};

/// The lines of the reading's dasha, in its birth place's clock time, with the periods
/// running at `nowJulianDate` (UT).
DashaLines DashaLinesOf(const Reading& reading, const Vimshottari& dasha, double nowJulianDate);

}  // namespace tamovid
