#include <gtest/gtest.h>

#include "tamovid/birthentry/chart_restore.h"
#include "tamovid/test_support/sample_entries.h"

namespace tamovid {
namespace {

using testing_support::Delhi1947;

TEST(RestoreEntry, EveryLineSetsItsControl) {
    const ChartFileContents chart{"Ravi", 12, 3, 1975, 24, 59, 70, "118", "15", "34", "3",
                                  false, true, true, "Los Angeles", "California", ""};
    const BirthEntry e = RestoreEntry(chart, Delhi1947());
    EXPECT_EQ(e.txtName, "Ravi");
    EXPECT_EQ(e.cboMonth, 11);
    EXPECT_EQ(e.cboDate, 2);
    EXPECT_EQ(e.cboYear, 74);
    EXPECT_EQ(e.cboHour, 24);
    EXPECT_EQ(e.cboMinute, 59);
    EXPECT_EQ(e.cboTimeZone, 70);
    EXPECT_EQ(e.txtLonDeg, "118");
    EXPECT_EQ(e.txtLatMin, "3");
    EXPECT_EQ(e.optLong, LongitudeOption::kWest);
    EXPECT_EQ(e.optLat, LatitudeOption::kSouth);
    EXPECT_TRUE(e.chkDST);
    EXPECT_EQ(e.txtCity, "Los Angeles");
    EXPECT_EQ(e.txtCountry, "");
}

TEST(RestoreEntry, MissingOrOutOfListLinesKeepTheForm) {
    ChartFileContents chart;
    chart.month = 13;
    chart.year = 1900;
    chart.timeZone = 71;
    EXPECT_EQ(RestoreEntry(chart, Delhi1947()), Delhi1947());
    EXPECT_EQ(RestoreEntry(ChartFileContents{}, BirthEntry{}), BirthEntry{});
}

}  // namespace
}  // namespace tamovid
