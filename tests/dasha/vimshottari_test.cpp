#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tamovid/dasha/vimshottari.h"

namespace tamovid {
namespace {

constexpr double kBirth = 2441629.5;  // 1 January 1973, 0h UT
constexpr double kNakshatra = 40.0 / 3;

Vimshottari Dasha(double moon, DashaYear year = kDefaultDashaYear) {
    return CalcVimshottari(moon, kBirth, year).value();
}

struct MoonCase {
    const char* label;
    double moon;
    Graha lord;
    double balanceYears;
};

void PrintTo(const MoonCase& c, std::ostream* os) { *os << c.label; }

class VimshottariFromMoon : public testing::TestWithParam<MoonCase> {};

int YearsOf(Graha lord) {
    for (const DashaLord& l : kVimshottariLords) {
        if (l.lord == lord) return l.years;
    }
    return 0;
}

// The running lord and its balance; the periods then fill 120 years without gap or
// overlap, each maha's subs begin with its own lord and share its length by their years.
TEST_P(VimshottariFromMoon, BalanceAndPeriodsThatFillTheCycle) {
    const MoonCase& c = GetParam();
    for (const DashaYearRow& year : kDashaYears) {
        SCOPED_TRACE(std::string(year.key));
        const Vimshottari dasha = Dasha(c.moon, year.year);
        EXPECT_EQ(GrahaNameOf(dasha.maha[0].period.lord), GrahaNameOf(c.lord));
        EXPECT_NEAR(dasha.BalanceYears(), c.balanceYears, 1e-9);
        double at = dasha.maha[0].period.start;
        for (std::size_t m = 0; m < dasha.maha.size(); ++m) {
            const MahaPeriod& maha = dasha.maha[m];
            const double length = YearsOf(maha.period.lord) * year.days;
            EXPECT_NEAR(maha.period.end - maha.period.start, length, 1e-6);
            for (std::size_t j = 0; j < maha.sub.size(); ++j) {
                const DashaPeriod& sub = maha.sub[j];
                EXPECT_EQ(sub.lord, dasha.maha[(m + j) % 9].period.lord);  // from its own lord
                EXPECT_EQ(sub.start, at);
                EXPECT_NEAR(sub.end - sub.start, length * YearsOf(sub.lord) / 120, 1e-6);
                at = sub.end;
            }
            EXPECT_EQ(at, maha.period.end);
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Moons, VimshottariFromMoon, testing::Values(
    MoonCase{"StartOfAshwiniIsAllOfKetu", 0.0, Graha::kKetu, 7},
    MoonCase{"HalfOfBharaniIsHalfOfVenus", kNakshatra * 1.5, Graha::kVenus, 10},
    MoonCase{"BoundaryWrittenToTenPlacesStartsVenus", 13.3333333333, Graha::kVenus, 20},
    MoonCase{"LastQuarterOfRevatiIsAQuarterOfMercury", 360 - kNakshatra / 4, Graha::kMercury, 4.25},
    MoonCase{"MulaRepeatsKetu", 240.0 + kNakshatra * 0.75, Graha::kKetu, 1.75},
    MoonCase{"JustBelowAFullTurnIsTheStartOfAshwini", 360 - 1e-12, Graha::kKetu, 7},
    MoonCase{"NegativeLongitudeWrapsIntoRevati", -kNakshatra / 2, Graha::kMercury, 8.5}),
    [](const testing::TestParamInfo<MoonCase>& info) { return std::string(info.param.label); });
// clang-format on

TEST(CalcVimshottari, MahaPeriodsFollowTheCycle) {
    std::string lords;
    for (const MahaPeriod& maha : Dasha(kNakshatra).maha) lords += std::string(GrahaNameOf(maha.period.lord)) + " ";
    EXPECT_EQ(lords, "Venus Sun Moon Mars Rahu Jupiter Saturn Mercury Ketu ");
}

TEST(CalcVimshottari, RefusesWhatIsNotFinite) {
    EXPECT_FALSE(CalcVimshottari(std::nan(""), kBirth).has_value());
    EXPECT_FALSE(CalcVimshottari(10.0, std::nan("")).has_value());
}

TEST(DashaYears, ParseAndPrintFromOneTable) {
    for (const DashaYearRow& row : kDashaYears) {
        EXPECT_EQ(ParseDashaYear(row.key), row.year);
        EXPECT_EQ(DashaYearKey(row.year), row.key);
    }
    EXPECT_EQ(ParseDashaYear("Gregorian"), DashaYear::kGregorian);
    EXPECT_FALSE(ParseDashaYear("tropical").has_value());
    EXPECT_FALSE(ParseDashaYear("").has_value());
    EXPECT_EQ(DashaYearDays(kDefaultDashaYear), 365.256363);
    EXPECT_EQ(DashaYearDays(DashaYear::kSavana), 360);
}

struct SpanCase {
    const char* label;
    DashaYear year;
    double days;
    DashaSpan span;
};

void PrintTo(const SpanCase& c, std::ostream* os) { *os << c.label; }

class SpanOfDays : public testing::TestWithParam<SpanCase> {};

TEST_P(SpanOfDays, CountsYearsMonthsAndDaysTruncated) {
    const SpanCase& c = GetParam();
    const DashaSpan got = SpanOf(c.days, c.year);
    EXPECT_EQ(got.years, c.span.years);
    EXPECT_EQ(got.months, c.span.months);
    EXPECT_EQ(got.days, c.span.days);
}

constexpr double kSidereal = 365.256363;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lengths, SpanOfDays, testing::Values(
    SpanCase{"WholeYearsComputedByFractionStayWhole", DashaYear::kSidereal,
             (1 - 0.4) * 20 * kSidereal, {12, 0, 0}},
    SpanCase{"MonthIsATwelfthOfTheYear", DashaYear::kSidereal,
             12 * kSidereal + 4 * kSidereal / 12 + 3.9, {12, 4, 3}},
    SpanCase{"SavanaMonthsAreThirtyDays", DashaYear::kSavana, 2 * 360 + 30 * 5 + 29.99, {2, 5, 29}},
    SpanCase{"JustShortOfAMonthIsDays", DashaYear::kJulian, 365.25 / 12 - 0.5, {0, 0, 29}},
    SpanCase{"NegativeIsNothing", DashaYear::kJulian, -3, {0, 0, 0}}),
    [](const testing::TestParamInfo<SpanCase>& info) { return std::string(info.param.label); });
// clang-format on

TEST(BalanceText, NamesTheLordAndCountsInWords) {
    // 1.5 of Venus's 20 years traversed... leaves 12 years and a part of the 13th.
    const Vimshottari venus = Dasha(kNakshatra + kNakshatra * (1 - (12 + 4.0 / 12 + 3.5 / kSidereal) / 20));
    EXPECT_EQ(BalanceText(venus), "Venus: 12 years 4 months 3 days left at birth");
    const Vimshottari sun = Dasha(2 * kNakshatra + kNakshatra * (1 - (1 + 1.0 / 12 + 1.5 / kSidereal) / 6));
    EXPECT_EQ(BalanceText(sun), "Sun: 1 year 1 month 1 day left at birth");
}

TEST(AgeAt, IsTheBalanceWhenTheSecondPeriodStarts) {
    const Vimshottari dasha = Dasha(100.0);
    EXPECT_EQ(AgeAt(dasha, dasha.maha[1].period.start), SpanOf(dasha.BalanceDays(), dasha.year));
    EXPECT_EQ(AgeAt(dasha, dasha.birth), (DashaSpan{0, 0, 0}));
    EXPECT_FALSE(AgeAt(dasha, dasha.birth - 1).has_value());
    EXPECT_FALSE(AgeAt(dasha, std::nan("")).has_value());
}

TEST(RunningAt, FindsTheMahaAndSubWithStartsInsideAndEndsOutside) {
    const Vimshottari dasha = Dasha(100.0);
    const MahaPeriod& third = dasha.maha[2];
    EXPECT_EQ(RunningAt(dasha, third.sub[4].start), (RunningPeriod{2, 4}));
    EXPECT_EQ(RunningAt(dasha, third.sub[4].end - 1e-6), (RunningPeriod{2, 4}));
    EXPECT_EQ(RunningAt(dasha, third.period.end), (RunningPeriod{3, 0}));
    // Birth falls in the first maha, in the sub period that its elapsed part reaches.
    const auto atBirth = RunningAt(dasha, dasha.birth);
    ASSERT_TRUE(atBirth.has_value());
    EXPECT_EQ(atBirth->maha, 0);
    EXPECT_LE(dasha.maha[0].sub[static_cast<std::size_t>(atBirth->sub)].start, dasha.birth);
    EXPECT_FALSE(RunningAt(dasha, dasha.maha[0].period.start - 1e-6).has_value());
    EXPECT_FALSE(RunningAt(dasha, dasha.maha[8].period.end).has_value());
    EXPECT_FALSE(RunningAt(dasha, std::nan("")).has_value());
}

}  // namespace
}  // namespace tamovid
