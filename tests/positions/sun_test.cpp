#include <gtest/gtest.h>

#include <ostream>

#include "tamovid/positions/angles.h"
#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

BirthRecord Birth(int year, int month, int day, int hour, int minute, std::size_t zoneRow) {
    BirthRecord r;
    r.intYear = static_cast<std::int16_t>(year);
    r.intMonth = static_cast<std::int16_t>(month);
    r.intDate = static_cast<std::int16_t>(day);
    r.intHour = static_cast<std::int16_t>(hour);
    r.intMinute = static_cast<std::int16_t>(minute);
    r.vntZoneHour = intTZHours[zoneRow];
    r.vntZoneMinute = intTZMinutes[zoneRow];
    r.intZoneHour = static_cast<std::int16_t>(std::abs(r.vntZoneHour));
    r.intZoneMinute = static_cast<std::int16_t>(std::abs(r.vntZoneMinute));
    return r;
}

constexpr std::size_t kGmt = 29;
constexpr std::size_t kIndia = 34;    // correction -5 h -30 min
constexpr std::size_t kEastern = 27;  // correction +5 h
constexpr std::size_t kNome = 51;     // correction +11 h

TEST(DayNumber, IsZeroAtJ2000) {
    EXPECT_EQ(DayNumber(2000, 1, 1, 12, 0), 0.0);
    EXPECT_NEAR(DayNumber(1947, 8, 14, 18, 30), -19132.729167, 0.0000005);
}

TEST(TrueAnomaly, CircularOrbitLeavesTheAngle) {
    EXPECT_NEAR(TrueAnomaly(1.0, 0.0), 1.0, 1e-12);
    EXPECT_NEAR(TrueAnomaly(0.0, 0.0167), 0.0, 1e-12);
}

TEST(ReduceRadians, WrapsBothWays) {
    EXPECT_NEAR(ReduceRadians(-1.0), kTwoPi - 1.0, 1e-12);
    EXPECT_NEAR(ReduceRadians(3 * kTwoPi + 0.5), 0.5, 1e-9);
}

struct CarryCase {
    const char* name;
    BirthRecord record;
    bool dst;
    CivilDateTime universal;
};

void PrintTo(const CarryCase& c, std::ostream* os) { *os << c.name; }

class UniversalDate : public testing::TestWithParam<CarryCase> {};

TEST_P(UniversalDate, CarriesAcrossDayMonthAndYear) {
    BirthRecord record = GetParam().record;
    record.blnDST = GetParam().dst;
    EXPECT_EQ(UniversalDateTime(record), GetParam().universal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UniversalDate,
    testing::Values(
        CarryCase{"SameDay", Birth(1990, 1, 1, 2, 0, kEastern), false, {1990, 1, 1, 7, 0}},
        CarryCase{"IntoNextYear", Birth(1990, 12, 31, 22, 0, kEastern), false, {1991, 1, 1, 3, 0}},
        CarryCase{
            "BackIntoPreviousYear", Birth(1901, 1, 1, 0, 0, kIndia), false, {1900, 12, 31, 18, 30}},
        CarryCase{"IntoLeapDay", Birth(2000, 2, 28, 23, 0, kEastern), false, {2000, 2, 29, 4, 0}},
        CarryCase{
            "CenturyIsNoLeapYear", Birth(1900, 2, 28, 23, 0, kEastern), false, {1900, 3, 1, 4, 0}},
        CarryCase{"HourTwentyFourIsNextMidnight",
                  Birth(1947, 8, 14, 24, 0, kGmt),
                  false,
                  {1947, 8, 15, 0, 0}},
        CarryCase{"SummerTimeOneHourEarlier",
                  Birth(1990, 3, 1, 0, 30, kGmt),
                  true,
                  {1990, 2, 28, 23, 30}}),
    [](const testing::TestParamInfo<CarryCase>& info) { return std::string(info.param.name); });

TEST(CalcPlanets, NoonJ2000) {
    const BirthRecord record = Birth(2000, 1, 1, 12, 0, kGmt);
    const PlanetsResult p = CalcPlanets(record, CalcAscendant(record));
    EXPECT_EQ(p.dayNumber, 0.0);
    EXPECT_NEAR(p.sunTropical, 280.380, 0.0005);
    EXPECT_NEAR(SunFromEarthOrbit(0).distance, 0.98331, 0.000005);
    EXPECT_NEAR(p.sunSidereal, 256.526, 0.0005);
    EXPECT_EQ(p.strPositions()[kSunSlot], "16 Sag 31");
    EXPECT_EQ(p.strPositions()[kAscendantSlot], "17 Pis 31");
}

// Pinned against an independent ephemeris: 27 deg 59 min of Cancer.
TEST(CalcPlanets, SunIsReferredToTheEquinoxOfTheDate) {
    BirthRecord record = Birth(1947, 8, 15, 0, 0, kIndia);
    record.intLonDeg = 77;
    record.intLonMin = 13;
    record.blnEast = true;
    record.intLatDeg = 28;
    record.intLatMin = 39;
    const PlanetsResult p = CalcPlanets(record, CalcAscendant(record));
    EXPECT_EQ(p.universal, (CivilDateTime{1947, 8, 14, 18, 30}));
    EXPECT_NEAR(p.dayNumber, -19132.729167, 0.0000005);
    EXPECT_NEAR(EclipticLongitude(p.dayNumber), 141.852, 0.0005);
    EXPECT_NEAR(p.sunTropical, 141.120, 0.0005);
    EXPECT_EQ(p.strPositions()[kSunSlot], "27 Can 59");
    EXPECT_EQ(p.strPositions()[kAscendantSlot], "07 Tau 45");
}

TEST(CalcPlanets, SunAndAscendantShareOneUniversalTime) {
    for (const bool dst : {false, true}) {
        BirthRecord record = Birth(1975, 6, 10, 3, 0, kNome);
        record.blnEast = true;
        record.intLonDeg = 150;
        record.blnDST = dst;
        const AscendantResult a = CalcAscendant(record);
        const CivilDateTime ut = CalcPlanets(record, a).universal;
        const double sunHours = ut.hour + ut.minute / 60.0 + (ut.day - 10) * 24;
        EXPECT_DOUBLE_EQ(sunHours, a.universalTime) << "dst=" << dst;
    }
}

TEST(CalcPlanets, OddRecordsStillGiveTexts) {
    BirthRecord record = Birth(2000, 13, 40, 24, 59, kIndia);
    const PlanetsResult p = CalcPlanets(record, CalcAscendant(record));
    EXPECT_EQ(p.strPositions()[kSunSlot].size(), 9u);
    EXPECT_EQ(p.universal.year, 2001);
}

}  // namespace
}  // namespace tamovid
