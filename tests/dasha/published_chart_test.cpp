// India's independence chart, 15 August 1947, 00:00 Indian time, New Delhi: the most
// published chart of its kind, and the engines' own fixture. What is checked here is
// what public articles print for it (Lahiri ayanamsa):
//  - freepressjournal.in/horoscope/indias-mars-mahadasha-astrology-predicts-tumultuous-
//    phase-ahead-20262032: Ascendant Taurus 7°46', Mars Gemini 7°27', the Saturn dasha
//    running at birth, the Mars dasha from 9 September 2025 for seven years, to 2032;
//  - enlighten-mind.com/philosophical-tangent-to-indian-independence-chart-demo: the
//    Navamsa Ascendant and the Sun both in Pisces;
//  - the accounts of the chosen hour (astrosapna.com, punamchand.com): the Moon in Pushya.
#include <gtest/gtest.h>

#include "tamovid/positions/calendar.h"
#include "tamovid/dasha/vimshottari.h"
#include "tamovid/precise/nine_grahas.h"
#include "tamovid/precise/precise_positions.h"
#include "tamovid/test_support/delhi_1947_record.h"
#include "tamovid/vargas/varga.h"

namespace tamovid {
namespace {

constexpr double kArcMinute = 1.0 / 60;
constexpr double kIndianTimeDays = 5.5 / 24;
constexpr int kPisces = 11;
constexpr int kPushya = 7;

class IndiaIndependence : public testing::Test {
protected:
    const BirthRecord record = testing_support::Delhi1947Record();
    const precise::NineGrahas chart = precise::CalcPreciseGrahas(record);
    const double birth = precise::UniversalJulianDate(record).whole +
                         precise::UniversalJulianDate(record).fraction;

    Vimshottari Dasha(DashaYear year) const {
        return CalcVimshottari(chart[Graha::kMoon].longitude, birth, year).value();
    }
};

TEST_F(IndiaIndependence, ChartAsPublished) {
    EXPECT_NEAR(chart.ascendant, 30 + 7 + 46 * kArcMinute, kArcMinute);
    EXPECT_NEAR(chart[Graha::kMars].longitude, 60 + 7 + 27 * kArcMinute, kArcMinute);
}

TEST_F(IndiaIndependence, NavamsaAscendantAndSunInPisces) {
    EXPECT_EQ(VargaSign(Varga::kD9, chart.ascendant), kPisces);
    EXPECT_EQ(VargaSign(Varga::kD9, chart[Graha::kSun].longitude), kPisces);
}

// The article's date comes with the civil calendar's year; the default sidereal year,
// longer by 0.0139 days, puts the same start 26 hours later after 78 years.
TEST_F(IndiaIndependence, SaturnAtBirthAndMarsFromNinthSeptember2025) {
    const Vimshottari civil = Dasha(DashaYear::kGregorian);
    EXPECT_EQ(civil.nakshatra, kPushya);
    EXPECT_EQ(GrahaNameOf(civil.maha[0].period.lord), "Saturn");
    const MahaPeriod& mars = civil.maha[6];
    EXPECT_EQ(GrahaNameOf(mars.period.lord), "Mars");
    EXPECT_EQ(CivilMinuteOf(mars.period.start + kIndianTimeDays),
              (CivilDateTime{2025, 9, 9, 17, 30}));
    EXPECT_EQ(CivilMinuteOf(mars.period.end + kIndianTimeDays)->year, 2032);
    EXPECT_EQ(BalanceText(civil), "Saturn: 18 years 0 months 26 days left at birth");

    const Vimshottari sidereal = Dasha(DashaYear::kSidereal);
    EXPECT_EQ(CivilMinuteOf(sidereal.maha[6].period.start + kIndianTimeDays),
              (CivilDateTime{2025, 9, 10, 19, 29}));
}

}  // namespace
}  // namespace tamovid
