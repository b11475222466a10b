#include "tamovid/dasha/vimshottari.h"

#include <algorithm>
#include <cmath>

#include "tamovid/grahas/nakshatra.h"

namespace tamovid {
namespace {

constexpr double kFullCircle = 360;
constexpr double kMinutesPerDegree = 60;
constexpr double kNakshatraMinutes = 800;  // 13 deg 20'
constexpr int kMonthsPerYear = 12;
constexpr double kSpanToleranceDays = 0.1 / 86400;  // a tenth of a second

static_assert(kNakshatraSpanDegrees * kMinutesPerDegree == kNakshatraMinutes);

constexpr bool LordYearsMakeTheCycle() {
    int total = 0;
    for (const DashaLord& lord : kVimshottariLords) total += lord.years;
    return total == kVimshottariYears;
}
static_assert(LordYearsMakeTheCycle(), "the nine periods make 120 years");

constexpr int YearsOf(std::size_t lord) { return kVimshottariLords[lord % kDashaLordCount].years; }

// Part of the Moon's nakshatra already traversed, 0 <= part < 1. A Moon just below a
// boundary that NakshatraOf puts in the next nakshatra has traversed none of it.
double TraversedPart(double moonLongitude, int nakshatra) {
    double longitude = std::fmod(moonLongitude, kFullCircle);
    if (longitude < 0) longitude += kFullCircle;
    const double minutes = longitude * kMinutesPerDegree - nakshatra * kNakshatraMinutes;
    if (minutes < 0 || minutes >= kNakshatraMinutes) return 0;  // the snapped or the wrapped
    return minutes / kNakshatraMinutes;
}

// The nine sub periods of a maha period of lord `first` (an index of kVimshottariLords).
void FillSubPeriods(MahaPeriod& maha, std::size_t first) {
    const double start = maha.period.start;
    const double length = maha.period.end - start;
    int yearsBefore = 0;  // the sub lords' years before this one, of 120
    for (std::size_t j = 0; j < kDashaLordCount; ++j) {
        DashaPeriod& sub = maha.sub[j];
        sub.lord = kVimshottariLords[(first + j) % kDashaLordCount].lord;
        sub.start = start + length * yearsBefore / kVimshottariYears;
        yearsBefore += YearsOf(first + j);
        if (j > 0) maha.sub[j - 1].end = sub.start;
    }
    maha.sub.back().end = maha.period.end;
}

std::string Counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::optional<Vimshottari> CalcVimshottari(double moonSiderealLongitude, double birthJulianDate,
                                           DashaYear year) {
    if (!std::isfinite(moonSiderealLongitude) || !std::isfinite(birthJulianDate)) {
        return std::nullopt;
    }
    Vimshottari dasha;
    dasha.year = year;
    dasha.birth = birthJulianDate;
    dasha.nakshatra = NakshatraOf(moonSiderealLongitude).index;
    dasha.elapsed = TraversedPart(moonSiderealLongitude, dasha.nakshatra);

    const double yearDays = DashaYearDays(year);
    const auto first = static_cast<std::size_t>(dasha.nakshatra) % kDashaLordCount;
    // Each start from the first one and whole years, so that no rounding piles up.
    const double firstStart = birthJulianDate - dasha.elapsed * YearsOf(first) * yearDays;
    int yearsBefore = 0;
    for (std::size_t i = 0; i < kDashaLordCount; ++i) {
        DashaPeriod& period = dasha.maha[i].period;
        period.lord = kVimshottariLords[(first + i) % kDashaLordCount].lord;
        period.start = i == 0 ? firstStart : dasha.maha[i - 1].period.end;
        yearsBefore += YearsOf(first + i);
        period.end = firstStart + yearsBefore * yearDays;
        FillSubPeriods(dasha.maha[i], first + i);
    }
    return dasha;
}

DashaSpan SpanOf(double days, DashaYear year) {
    const double yearDays = DashaYearDays(year);
    const double monthDays = yearDays / kMonthsPerYear;
    double left = days > 0 ? days : 0;
    DashaSpan span;
    span.years = static_cast<int>(std::floor((left + kSpanToleranceDays) / yearDays));
    left = std::max(0.0, left - span.years * yearDays);
    span.months = std::min(kMonthsPerYear - 1,
                           static_cast<int>(std::floor((left + kSpanToleranceDays) / monthDays)));
    left = std::max(0.0, left - span.months * monthDays);
    span.days = static_cast<int>(std::floor(left + kSpanToleranceDays));
    return span;
}

std::string BalanceText(const Vimshottari& dasha) {
    const DashaSpan span = SpanOf(dasha.BalanceDays(), dasha.year);
    return std::string(GrahaNameOf(dasha.maha[0].period.lord)) + ": " +
           Counted(span.years, "year", "years") + " " + Counted(span.months, "month", "months") +
           " " + Counted(span.days, "day", "days") + " left at birth";
}

std::optional<DashaSpan> AgeAt(const Vimshottari& dasha, double julianDate) {
    if (!(julianDate >= dasha.birth)) return std::nullopt;  // NaN too
    return SpanOf(julianDate - dasha.birth, dasha.year);
}

std::optional<RunningPeriod> RunningAt(const Vimshottari& dasha, double julianDate) {
    for (std::size_t i = 0; i < kDashaLordCount; ++i) {
        const MahaPeriod& maha = dasha.maha[i];
        if (!(julianDate >= maha.period.start && julianDate < maha.period.end)) continue;
        for (std::size_t j = 0; j < kDashaLordCount; ++j) {
            if (julianDate < maha.sub[j].end) {
                return RunningPeriod{static_cast<int>(i), static_cast<int>(j)};
            }
        }
    }
    return std::nullopt;
}

}  // namespace tamovid
