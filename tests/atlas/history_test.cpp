// Real history of clocks, from the place to the Universal Time the chart uses.

#include <gtest/gtest.h>

#include "tamovid/atlas/atlas.h"
#include "tamovid/atlas/zone_time.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/positions/birth_record.h"

namespace tamovid::atlas {
namespace {

using Kind = LocalTimeInZone::Kind;

std::string ZoneOf(const char* query) {
    static const Atlas atlas = Atlas::Load(TAMOVID_ATLAS_FILE).value();
    const std::vector<Place> found = atlas.Search(query, 1);
    return found.empty() ? std::string() : found.front().zone;
}

struct HistoryCase {
    const char* name;
    const char* place;
    int year, month, day, hour, minute;
    int offset;  ///< minutes, local minus UT
    bool dst;
    int row;         ///< zone-list row chosen
    bool box;        ///< daylight-saving box
    bool exact;      ///< the row gives the offset
    const char* ut;  ///< what the chart uses
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.name; }

class ZoneHistory : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(ZoneHistory, OffsetRowAndUniversalTime) {
    const HistoryCase& c = GetParam();
    const std::string zone = ZoneOf(c.place);
    const auto resolved = ResolveLocalTime(zone, c.year, c.month, c.day, c.hour, c.minute);
    ASSERT_TRUE(resolved.ok()) << zone;
    const LocalTimeInZone& local = resolved.value();
    ASSERT_EQ(local.kind, Kind::kUnique);
    EXPECT_EQ(local.offset.minutes, c.offset);
    EXPECT_EQ(local.offset.dst, c.dst);

    BirthEntry entry;
    entry.txtName = entry.txtCity = entry.txtState = entry.txtCountry = "X";
    entry.txtLatDeg = entry.txtLatMin = entry.txtLonDeg = entry.txtLonMin = "1";
    entry.cboYear = c.year - kFirstYear;
    entry.cboMonth = c.month - 1;
    entry.cboDate = c.day - 1;
    entry.cboHour = c.hour;
    entry.cboMinute = c.minute;
    ApplyZoneOffset(entry, local.offset.minutes, local.offset.dst, local.offset.abbreviation, zone);
    EXPECT_EQ(entry.cboTimeZone, c.row);
    EXPECT_EQ(entry.chkDST, c.box);
    EXPECT_EQ(!entry.utcOffsetMinutes.has_value(), c.exact);

    const auto birth = ReadBirth(entry, BlankBirth());
    ASSERT_TRUE(birth.ok());
    const BirthRecord& record = Calculate(birth.value()).record;
    EXPECT_EQ(UniversalTimeText(record), c.ut);
    EXPECT_EQ(RecordOffsetMinutes(record), c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    RealClocks, ZoneHistory,
    ::testing::Values(HistoryCase{"Pune1943WarTimeSixThirty", "Pune", 1943, 6, 15, 12, 0, 390, true,
                                  52, false, true, "1943-06-15T05:30"},
                      HistoryCase{"Kathmandu1990FiveFortyFiveHasNoRow", "Kathmandu", 1990, 3, 1, 12,
                                  0, 345, false, 34, false, false, "1990-03-01T06:15"},
                      HistoryCase{"NewYorkJanuary1974DaylightTimeAllYear", "New York", 1974, 1, 15,
                                  12, 0, -240, true, 24, false, true, "1974-01-15T16:00"},
                      HistoryCase{"London1970OneHourWithoutDaylightSaving", "London, GB", 1970, 1,
                                  15, 12, 0, 60, false, 16, false, true, "1970-01-15T11:00"},
                      HistoryCase{"Chennai1905MadrasTime", "Chennai", 1905, 6, 1, 12, 0, 321, false,
                                  34, false, false, "1905-06-01T06:39"},
                      HistoryCase{"Caracas2010MinusFourThirty", "Caracas", 2010, 6, 1, 12, 0, -270,
                                  false, 3, false, false, "2010-06-01T16:30"},
                      HistoryCase{"NewYorkJuly1975EasternDaylightRow", "New York", 1975, 7, 4, 12,
                                  0, -240, true, 24, false, true, "1975-07-04T16:00"},
                      HistoryCase{"ParisSummerStandardRowIsNotNeeded", "Paris, France", 1990, 7, 1,
                                  12, 0, 120, true, 19, false, true, "1990-07-01T10:00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ZoneGapsAndOverlaps, NewYork1975) {
    struct Case {
        int month, day, hour, minute;
        Kind kind;
        int first, later;
    };
    // Daylight time began on 23 February 1975 and ended on 26 October.
    const Case cases[] = {
        {2, 23, 2, 30, Kind::kNonexistent, -300, -240},
        {10, 26, 1, 30, Kind::kAmbiguous, -240, -300},
        {10, 26, 2, 30, Kind::kUnique, -300, 0},
    };
    for (const Case& c : cases) {
        const auto resolved =
            ResolveLocalTime("America/New_York", 1975, c.month, c.day, c.hour, c.minute);
        const auto& local = resolved.value();
        EXPECT_EQ(local.kind, c.kind) << c.month << "/" << c.day;
        EXPECT_EQ(local.offset.minutes, c.first);
        if (c.kind != Kind::kUnique) {
            EXPECT_EQ(local.later.minutes, c.later);
        }
    }
}

TEST(ZoneGapsAndOverlaps, MessagesSayWhatTheClocksDid) {
    const auto gap = ResolveLocalTime("America/New_York", 1975, 2, 23, 2, 30).value();
    EXPECT_EQ(NonexistentTimeMessage("America/New_York", 1975, 2, 23, 2, 30, gap),
              "There was no 02:30 on 23 February 1975 in America/New_York: the clocks went forward "
              "from 02:00 to 03:00.");
    // Once "went forward from 00:00 to 00:00".
    const auto skippedDay = ResolveLocalTime("Pacific/Apia", 2011, 12, 30, 10, 0).value();
    EXPECT_EQ(NonexistentTimeMessage("Pacific/Apia", 2011, 12, 30, 10, 0, skippedDay),
              "There was no 30 December 2011 in Pacific/Apia: the clocks went forward a whole day.");
    const auto twice = ResolveLocalTime("America/New_York", 1975, 10, 26, 1, 30).value();
    EXPECT_EQ(
        AmbiguousTimeMessage("America/New_York", 1975, 10, 26, 1, 30, twice),
        "The clock time 01:30 on 26 October 1975 happened twice in America/New_York: first as "
        "daylight time (UTC-04:00), then as standard time (UTC-05:00).");
}

TEST(ZoneGapsAndOverlaps, UnknownZoneIsNamed) {
    const auto resolved = ResolveLocalTime("Mars/Olympus", 2000, 1, 1, 0, 0);
    ASSERT_FALSE(resolved.ok());
    EXPECT_EQ(resolved.error().message, "Unknown time zone \"Mars/Olympus\".");
}

}  // namespace
}  // namespace tamovid::atlas
