#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tamovid/positions/calendar.h"
#include "tamovid/positions/ascendant.h"

namespace tamovid {
namespace {

struct CivilCase {
    const char* label;
    double julianDate;
    CivilDateTime civil;
};

void PrintTo(const CivilCase& c, std::ostream* os) { *os << c.label; }

class CivilMinute : public testing::TestWithParam<CivilCase> {};

TEST_P(CivilMinute, GivesTheCalendarMinute) {
    EXPECT_EQ(CivilMinuteOf(GetParam().julianDate), GetParam().civil);
}

// Dates from the worked examples of Meeus, Astronomical Algorithms, ch. 7.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Dates, CivilMinute, testing::Values(
    CivilCase{"J2000Noon", 2451545.0, {2000, 1, 1, 12, 0}},
    CivilCase{"SputnikLaunch", 2436116.31, {1957, 10, 4, 19, 26}},
    CivilCase{"JulianCalendarIn333", 1842713.0, {333, 1, 27, 12, 0}},
    CivilCase{"FirstGregorianDay", 2299160.5, {1582, 10, 15, 0, 0}},
    CivilCase{"LastJulianDay", 2299159.5, {1582, 10, 4, 0, 0}}),
    [](const testing::TestParamInfo<CivilCase>& info) { return std::string(info.param.label); });
// clang-format on

// Every month's first day and a leap day of the years a birth may have, back and forth
// through the day count the engines use.
TEST(CivilMinuteOf, InvertsJulianDayNumberOverTheBirthYears) {
    for (int year = 1901; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int day = month == 2 && year % 4 == 0 ? 29 : 1;
            const double julianDate = JulianDayNumber(month, day, year) - 0.5 + 754.0 / 1440;
            EXPECT_EQ(CivilMinuteOf(julianDate), (CivilDateTime{year, month, day, 12, 34}));
        }
    }
}

TEST(CivilMinuteOf, RoundsToTheNearestMinuteAcrossMidnightAndRefusesNonFinite) {
    const double midnight = JulianDayNumber(1, 1, 2001) - 0.5;
    EXPECT_EQ(CivilMinuteOf(midnight - 29.0 / 86400), (CivilDateTime{2001, 1, 1, 0, 0}));
    EXPECT_EQ(CivilMinuteOf(midnight - 31.0 / 86400), (CivilDateTime{2000, 12, 31, 23, 59}));
    EXPECT_FALSE(CivilMinuteOf(std::nan("")).has_value());
    EXPECT_FALSE(CivilMinuteOf(1e300).has_value());
}

}  // namespace
}  // namespace tamovid
