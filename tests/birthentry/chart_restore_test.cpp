#include <gtest/gtest.h>

#include "tamovid/birthentry/chart_restore.h"

#include <functional>
#include <vector>

#include "tamovid/birthentry/validation.h"

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

// A chart file's birth is read straight from its values: it must be the birth, or the
// refusal, that the form gives once it shows the same file.
TEST(ReadBirthFromChartFile, AgreesWithTheFormShowingTheFile) {
    const ChartFileContents whole{
        "Ravi", 12,   3,    1975,          24,           59, 70,      "118", "15", "34", "3",
        false,  true, true, "Los Angeles", "California", " USA ", std::nullopt, "", std::nullopt,
        std::nullopt, std::nullopt};
    using Change = std::function<void(ChartFileContents&)>;
    const std::vector<Change> changes = {
        [](ChartFileContents&) {},
        [](ChartFileContents& c) { c.name = ""; },
        [](ChartFileContents& c) { c.latMin.reset(); },
        [](ChartFileContents& c) { c.country = ""; },
        [](ChartFileContents& c) { c.south.reset(); },
        [](ChartFileContents& c) { c.east.reset(); },
        [](ChartFileContents& c) { c.year = 1900; },
        [](ChartFileContents& c) { c.month = 13; },
        [](ChartFileContents& c) { c.month = 2, c.date = 29, c.year = 1975; },
        [](ChartFileContents& c) { c.month = 2, c.date = 29, c.year = 1976; },
        [](ChartFileContents& c) { c.month = 11, c.date = 31; },
        [](ChartFileContents& c) { c.latDeg = "91"; },
        [](ChartFileContents& c) { c.lonDeg = "180", c.lonMin = "1"; },
        [](ChartFileContents& c) { c.hour = 25, c.minute.reset(); },
        [](ChartFileContents& c) { c.timeZone = 71, c.dst.reset(); },
        [](ChartFileContents& c) { c.utcOffsetMinutes = -270, c.tz = "America/Caracas"; },
        [](ChartFileContents& c) { c.utcOffsetMinutes = -270, c.timeZone.reset(); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        ChartFileContents chart = whole;
        changes[i](chart);
        const Result<Birth, Refusal> direct = ReadBirth(chart);
        const Result<Birth, Refusal> form = ReadBirth(RestoreEntry(chart), BlankBirth());
        ASSERT_EQ(direct.ok(), form.ok()) << "change " << i;
        if (direct.ok()) {
            EXPECT_EQ(direct.value(), form.value()) << "change " << i;
        } else {
            EXPECT_EQ(direct.error(), form.error()) << "change " << i;
        }
    }
}

}  // namespace
}  // namespace tamovid
