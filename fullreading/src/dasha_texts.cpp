#include "tamovid/fullreading/dasha_texts.h"

#include <iomanip>
#include <sstream>

#include "tamovid/timewindow/place_clock.h"

namespace tamovid {

std::string DashaYearText(DashaYear year) {
    constexpr int kDigits = 10;  // every table entry in full, and no trailing zeros
    std::ostringstream text;
    text << DashaYearKey(year) << " years of " << std::setprecision(kDigits) << DashaYearDays(year)
         << " days";
    return text.str();
}

std::string DashaSpanText(const DashaSpan& span) {
    return std::to_string(span.years) + "y " + std::to_string(span.months) + "m " +
           std::to_string(span.days) + 'd';
}

DashaLines DashaLinesOf(const Reading& reading, const Vimshottari& dasha, double nowJulianDate) {
    const timewindow::PlaceClock clock(reading.record, reading.birth.zoneName);
    const auto line = [&](const DashaPeriod& period) {
        const std::optional<DashaSpan> age = AgeAt(dasha, period.start);
        return DashaLine{
            std::string(GrahaNameOf(period.lord)),
            timewindow::DateAndClockText(clock.AtDaysFromBirth(period.start - dasha.birth)),
            timewindow::DateAndClockText(clock.AtDaysFromBirth(period.end - dasha.birth)),
            age ? DashaSpanText(*age) : std::string()};
    };
    DashaLines lines;
    for (std::size_t m = 0; m < kDashaLordCount; ++m) {
        lines.maha[m] = line(dasha.maha[m].period);
        for (std::size_t s = 0; s < kDashaLordCount; ++s) lines.sub[m][s] = line(dasha.maha[m].sub[s]);
    }
    lines.running = RunningAt(dasha, nowJulianDate);
    return lines;
}

}  // namespace tamovid
