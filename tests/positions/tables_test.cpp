#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>

#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

TEST(TimeZoneTable, EndsWithThePrintedRows) {
    EXPECT_EQ(strTimeZones.front(), "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(strTimeZones.back(), "Yukon War Time,YWT,-8.0");
    EXPECT_EQ(strTimeZones[34], "Indian Time, IST, 5.3");
}

struct ZoneCase {
    const char* name;
    std::size_t row;
    std::int16_t hours;
    std::int16_t minutes;
};

void PrintTo(const ZoneCase& c, std::ostream* os) { *os << strTimeZones[c.row]; }

class TimeZoneCorrection : public testing::TestWithParam<ZoneCase> {};

TEST_P(TimeZoneCorrection, MatchesTheTable) {
    const ZoneCase& c = GetParam();
    EXPECT_EQ(intTZHours[c.row], c.hours) << strTimeZones[c.row];
    EXPECT_EQ(intTZMinutes[c.row], c.minutes) << strTimeZones[c.row];
}

INSTANTIATE_TEST_SUITE_P(
    KnownRows, TimeZoneCorrection,
    testing::Values(ZoneCase{"IndianTime", 34, -5, -30}, ZoneCase{"Newfoundland", 50, 3, 30},
                    ZoneCase{"GmtLabelledMinusZero", 29, 0, 0}, ZoneCase{"UniversalTime", 61, 0, 0},
                    ZoneCase{"NomeLabelSaysEleven", 51, 11, 0}, ZoneCase{"FirstRow", 0, 9, 0},
                    ZoneCase{"LastRow", 70, 8, 0}),
    [](const testing::TestParamInfo<ZoneCase>& info) { return std::string(info.param.name); });

// Every label's offset is the negated correction, except row 51, whose label is kept as
// stored although the correction disagrees with it.
TEST(TimeZoneTable, CorrectionsOpposeTheLabelOffsets) {
    for (std::size_t row = 0; row < kTimeZoneCount; ++row) {
        if (row == 51) continue;
        const std::string label(strTimeZones[row]);
        const std::string offset = label.substr(label.rfind(',') + 1);
        const double value = std::stod(offset);
        const bool negative = offset.find('-') != std::string::npos;
        const std::string fraction = offset.substr(offset.find('.') + 1);
        const int minutes = fraction == "0" ? 0 : 30;
        const int magnitude = static_cast<int>(std::fabs(std::trunc(value)));
        const int sign = negative ? 1 : -1;  // the correction runs the other way
        EXPECT_EQ(intTZHours[row], sign * magnitude) << label;
        EXPECT_EQ(intTZMinutes[row], sign * minutes) << label;
    }
}

// The columns that choose a place's row must say what its label says.
TEST(TimeZoneTable, AbbreviationAndKindAgreeWithTheLabels) {
    for (const TimeZoneRow& row : kTimeZoneRows) {
        const std::string label(row.label);
        const std::size_t first = label.find(',');
        std::string written = label.substr(first + 1, label.find(',', first + 1) - first - 1);
        written.erase(0, written.find_first_not_of(' '));
        EXPECT_EQ(row.abbreviation, written) << label;
        const bool forward = label.find("Daylight") != std::string::npos ||
                             label.find("Summer") != std::string::npos;
        const ZoneKind kind = label.find("War") != std::string::npos ? ZoneKind::kWar
                              : forward                               ? ZoneKind::kDaylight
                                                                      : ZoneKind::kStandard;
        EXPECT_EQ(row.kind, kind) << label;
    }
}

TEST(SignTable, HasTwelveSignsAndAnEmptyThirteenth) {
    EXPECT_EQ(strSignAbbr[0], "Ari");
    EXPECT_EQ(strSignAbbr[11], "Pis");
    EXPECT_EQ(strSignAbbr[12], "");
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(vntSignString.substr(3 * static_cast<std::size_t>(i), 3),
                  strSignAbbr[static_cast<std::size_t>(i)]);
        EXPECT_EQ(SignIndex(strSignAbbr[static_cast<std::size_t>(i)]), i);
    }
    EXPECT_EQ(SignIndex("ari"), -1);
    EXPECT_EQ(SignIndex(""), -1);
}

}  // namespace
}  // namespace tamovid
