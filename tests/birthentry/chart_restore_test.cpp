#include <gtest/gtest.h>

#include "tamovid/birthentry/chart_restore.h"

namespace tamovid {
namespace {

TEST(RestoreEntry, EveryLineSetsItsControl) {
    const ChartFileContents chart{
        "Ravi", 12,   3,    1975,          24,           59, 70,           "118", "15", "34", "3",
        false,  true, true, "Los Angeles", "California", "", std::nullopt, "", std::nullopt, std::nullopt, std::nullopt};
    const BirthEntry e = RestoreEntry(chart);
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

TEST(RestoreEntry, MissingOrOutOfListLinesLeaveTheirControlsEmpty) {
    ChartFileContents chart;
    chart.month = 13;
    chart.year = 1900;
    chart.timeZone = 71;
    BirthEntry expected = EmptyForm();
    EXPECT_EQ(RestoreEntry(chart), expected);
    EXPECT_EQ(expected.cboMonth, -1);
    EXPECT_EQ(expected.optLat, LatitudeOption::kNone);
    EXPECT_EQ(expected.optLong, LongitudeOption::kNone);
    // Nothing of the form that was shown before can survive: the restore never sees it.
    chart.name = "Ravi";
    expected.txtName = "Ravi";
    EXPECT_EQ(RestoreEntry(chart), expected);
}

TEST(RestoreEntry, ExactZoneComesFromTheFile) {
    ChartFileContents chart;
    chart.name = "Ravi";
    EXPECT_EQ(RestoreEntry(chart).utcOffsetMinutes, std::nullopt);
    chart.utcOffsetMinutes = -270;
    chart.tz = "America/Caracas";
    const BirthEntry e = RestoreEntry(chart);
    EXPECT_EQ(e.utcOffsetMinutes, -270);
    EXPECT_EQ(e.tz, "America/Caracas");
}

}  // namespace
}  // namespace tamovid
