#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "tamovid/choices/dasha_year.h"
#include "tamovid/grahas/graha.h"

namespace tamovid {

/// A lord of the Vimshottari periods and its years.
struct DashaLord {
    Graha lord;
    int years;
};

inline constexpr std::size_t kDashaLordCount = 9;
inline constexpr int kVimshottariYears = 120;

/// The lords in the order their periods follow each other. The first rules Ashwini, the
/// next Bharani, and so on three times round the twenty-seven nakshatras.
inline constexpr std::array<DashaLord, kDashaLordCount> kVimshottariLords{{
    {Graha::kKetu, 7},
    {Graha::kVenus, 20},
    {Graha::kSun, 6},
    {Graha::kMoon, 10},
    {Graha::kMars, 7},
    {Graha::kRahu, 18},
    {Graha::kJupiter, 16},
    {Graha::kSaturn, 19},
    {Graha::kMercury, 17},
}};

/// A period of one lord: from `start` up to, not including, `end`; both Julian Dates of
/// Universal Time (days).
struct DashaPeriod {
    Graha lord = Graha::kKetu;
    double start = 0;
    double end = 0;
};

/// A maha period and its nine sub periods. They begin with the maha's own lord and follow
/// the order of kVimshottariLords; each lasts the maha's length times its lord's years
/// over 120, and the last ends where the maha ends.
struct MahaPeriod {
    DashaPeriod period;
    std::array<DashaPeriod, kDashaLordCount> sub;
};

/// The Vimshottari periods of one birth.
struct Vimshottari {
    DashaYear year = kDefaultDashaYear;
    double birth = 0;    ///< Julian Date, UT
    int nakshatra = 0;   ///< the Moon's, 0 Ashwini .. 26 Revati
    double elapsed = 0;  ///< part of the first maha period gone at birth, 0 <= elapsed < 1
    /// Nine maha periods, 120 years, from the one running at birth. The first began before
    /// birth, where its whole length puts it, and so did its sub periods up to the running
    /// one: a view of the life from birth starts it at `birth`.
    std::array<MahaPeriod, kDashaLordCount> maha;

    /// Days of the first maha period left at birth.
    double BalanceDays() const { return maha[0].period.end - birth; }
    /// The same in dasha years (12.34).
    double BalanceYears() const { return BalanceDays() / DashaYearDays(year); }
};

/// The periods from the Moon's sidereal longitude (degrees, any value, taken round the
/// circle) at a birth (Julian Date, UT), counted in years of `year`. The Moon's nakshatra
/// is NakshatraOf's, so a Moon on a nakshatra's first point begins its lord's whole
/// period. Nothing when the longitude or the date is not finite.
std::optional<Vimshottari> CalcVimshottari(double moonSiderealLongitude, double birthJulianDate,
                                           DashaYear year = kDefaultDashaYear);

/// A length of time told the way periods are: whole dasha years, then whole months of a
/// twelfth of that year, then whole days of 24 hours, each truncated, so that a balance
/// is never overstated. A length within a tenth of a second of the next whole unit counts
/// as reaching it, so that twelve years computed as 11.9999999999 read as 12 years.
struct DashaSpan {
    int years = 0;
    int months = 0;  ///< 0..11
    int days = 0;    ///< 0..30 (a sidereal twelfth of a year is 30.44 days)
    friend bool operator==(const DashaSpan&, const DashaSpan&) = default;
};

/// `days` (negative counts as none) in years of `year`.
DashaSpan SpanOf(double days, DashaYear year);

/// "Venus: 12 years 4 months 3 days left at birth": the first lord and BalanceDays().
std::string BalanceText(const Vimshottari& dasha);

/// The age at a moment (Julian Date, UT) in the same units: the age at the start of the
/// second maha period is the balance. Nothing for a moment before birth.
std::optional<DashaSpan> AgeAt(const Vimshottari& dasha, double julianDate);

/// Which maha period (0..8) and which of its sub periods (0..8) run at a moment.
struct RunningPeriod {
    int maha = 0;
    int sub = 0;
    friend bool operator==(const RunningPeriod&, const RunningPeriod&) = default;
};

/// The periods running at a moment (Julian Date, UT); nothing before the first maha
/// period's start, from the last one's end on, or for a date that is not finite.
std::optional<RunningPeriod> RunningAt(const Vimshottari& dasha, double julianDate);

}  // namespace tamovid
