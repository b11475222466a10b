#include <gtest/gtest.h>

#include <ostream>

#include "tamovid/positions/angles.h"
#include "tamovid/positions/ascendant.h"
#include "tamovid/positions/longitude_text.h"
#include "tamovid/positions/tables.h"
#include "tamovid/test_support/delhi_1947_record.h"

namespace tamovid {
namespace {

BirthRecord NoonJ2000() {
    BirthRecord r;
    r.intDate = 1;
    r.intMonth = 1;
    r.intYear = 2000;
    r.intHour = 12;
    return r;
}

using testing_support::Delhi1947Record;

struct JdnCase {
    int month, day, year;
    double jdn;
};

void PrintTo(const JdnCase& c, std::ostream* os) {
    *os << c.year << '-' << c.month << '-' << c.day;
}

class JulianDay : public testing::TestWithParam<JdnCase> {};

TEST_P(JulianDay, MatchesKnownDays) {
    const JdnCase& c = GetParam();
    EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.jdn);
}

INSTANTIATE_TEST_SUITE_P(Dates, JulianDay,
                         testing::Values(JdnCase{1, 1, 2000, 2451545}, JdnCase{1, 1, 1900, 2415021},
                                         // The last Julian and the first Gregorian day count.
                                         JdnCase{10, 15, 1582, 2299171},
                                         JdnCase{10, 16, 1582, 2299162},
                                         JdnCase{2, 29, 2000, 2451604},
                                         JdnCase{3, 1, 1900, 2415080}));

TEST(ArcTan2, CoversEveryQuadrantAndAxis) {
    EXPECT_DOUBLE_EQ(ArcTan2(1, 1), 0.785398163397448);
    EXPECT_DOUBLE_EQ(ArcTan2(1, -1), kPi - 0.785398163397448);
    EXPECT_DOUBLE_EQ(ArcTan2(-1, -1), -(kPi - 0.785398163397448));
    EXPECT_DOUBLE_EQ(ArcTan2(0, -1), kPi);
    EXPECT_DOUBLE_EQ(ArcTan2(2, 0), kPi / 2);
    EXPECT_DOUBLE_EQ(ArcTan2(-2, 0), -kPi / 2);
    EXPECT_DOUBLE_EQ(ArcTan2(0, 0), 0);
}

TEST(Ayanamsa, AtJ2000) { EXPECT_NEAR(Ayanamsa(1.0), -23.854, 0.0005); }

TEST(CalcAscendant, NoonJ2000AtTheOrigin) {
    const AscendantResult a = CalcAscendant(NoonJ2000());
    EXPECT_EQ(a.julianDayNumber, 2451545);
    EXPECT_DOUBLE_EQ(a.centuries, 1.0);
    EXPECT_NEAR(a.vntAyanamsa, -23.854, 0.0005);
    EXPECT_NEAR(a.ramc, 280.461, 0.0005);
    EXPECT_NEAR(a.obliquity, 23.4392815, 0.00000005);
    EXPECT_NEAR(a.ascendant, 347.524, 0.0005);
    EXPECT_EQ(ToSignFirst(a.vntAscText()), "17 Pis 31");
}

TEST(CalcAscendant, Delhi1947UsesThePreviousEvening) {
    const AscendantResult a = CalcAscendant(Delhi1947Record());
    EXPECT_DOUBLE_EQ(a.universalTime, -5.5);
    EXPECT_NEAR(a.ascendant, 37.762, 0.0005);
    EXPECT_EQ(ToSignFirst(a.vntAscText()), "07 Tau 45");
}

// Summer time moves the whole chart one hour earlier, east and west alike.
TEST(CalcAscendant, DaylightSavingIsOneHourEarlierInBothHemispheres) {
    for (const bool east : {true, false}) {
        BirthRecord record = Delhi1947Record();
        record.blnEast = east;
        const double standard = CalcAscendant(record).universalTime;
        record.blnDST = true;
        EXPECT_DOUBLE_EQ(CalcAscendant(record).universalTime, standard - 1) << "east=" << east;
    }
}

// The zone's stored correction decides the direction, whatever the longitude's hemisphere.
TEST(CalcAscendant, ZoneSignDisagreeingWithHemisphereStillAddsTheCorrection) {
    BirthRecord record = Delhi1947Record();
    record.intHour = 3;
    record.intZoneHour = 11;
    record.intZoneMinute = 0;
    record.vntZoneHour = intTZHours[51];
    record.vntZoneMinute = intTZMinutes[51];
    EXPECT_DOUBLE_EQ(CalcAscendant(record).universalTime, 14);
}

TEST(CalcAscendant, HourTwentyFourIsMidnightOfTheNextDay) {
    BirthRecord late = Delhi1947Record();
    late.intDate = 14;
    late.intHour = 24;
    EXPECT_EQ(CalcAscendant(late).vntAscText(), CalcAscendant(Delhi1947Record()).vntAscText());
}

}  // namespace
}  // namespace tamovid
