#include "tamovid/positions/calendar.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tamovid {
namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr double kLatestJulianDate = 4e8;  // about a million years from the epoch
// The ten days the Gregorian reform dropped: 4 October 1582 was followed by the 15th.
constexpr int kDroppedDays = 10;

// Rounds toward minus infinity, for dates before the epoch of 4713 BC as well.
std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

double JulianDayNumber(int month, int day, int year) {
    // Months counted from March of the year -4800.
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = std::floor((365 * m + 7 + 2 * (m - 12 * std::floor(m / 12))) / 12) + day +
               std::floor(m / 48) - 32083;
    // The date counted in the Julian calendar: past the 15 October 1582 of that calendar,
    // the Gregorian leap-day correction.
    if (j > kFirstGregorianDay + kDroppedDays) {
        j += std::floor(m / 4800) - std::floor(m / 1200) + 38;
    }
    return j;
}

std::optional<CivilDateTime> CivilMinuteOf(double julianDate) {
    if (!std::isfinite(julianDate) || std::fabs(julianDate) > kLatestJulianDate) {
        return std::nullopt;
    }
    // Minutes from the midnight that begins Julian Day Number 0, rounded once.
    const auto minutes = static_cast<std::int64_t>(std::llround((julianDate + 0.5) * static_cast<double>(kMinutesPerDay)));
    const std::int64_t dayNumber = FloorDivide(minutes, kMinutesPerDay);
    const std::int64_t minuteOfDay = minutes - dayNumber * kMinutesPerDay;

    // The calendar date of a day number (Meeus, Astronomical Algorithms, ch. 7), in whole
    // numbers: the Gregorian leap-day correction from the first Gregorian day on.
    std::int64_t a = dayNumber;
    if (dayNumber >= kFirstGregorianDay) {
        const std::int64_t alpha = FloorDivide(4 * dayNumber - 7468865, 146097);  // (Z - 1867216.25) / 36524.25
        a = dayNumber + 1 + alpha - FloorDivide(alpha, 4);
    }
    const std::int64_t b = a + 1524;
    const std::int64_t c = FloorDivide(20 * b - 2442, 7305);     // (B - 122.1) / 365.25
    const std::int64_t d = FloorDivide(1461 * c, 4);             // 365.25 C
    const std::int64_t e = FloorDivide(10000 * (b - d), 306001);  // (B - D) / 30.6001

    CivilDateTime civil;
    civil.day = static_cast<int>(b - d - FloorDivide(306001 * e, 10000));
    civil.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    civil.year = static_cast<int>(civil.month > 2 ? c - 4716 : c - 4715);
    civil.hour = static_cast<int>(minuteOfDay / 60);
    civil.minute = static_cast<int>(minuteOfDay % 60);
    return civil;
}

std::string MinuteText(double julianDate, char between) {
    const std::optional<CivilDateTime> civil = CivilMinuteOf(julianDate);
    if (!civil) return {};
    constexpr std::size_t kLongest = 40;  // a six-digit year, the sign and the separators
    char text[kLongest];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d%c%02d:%02d", civil->year,
                                     civil->month, civil->day, between, civil->hour, civil->minute);
    return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace tamovid
