#include "tamovid/cli/chart_fields.h"

#include <gtest/gtest.h>

#include <string>

#include "tamovid/test_support/error_of.h"
#include "tamovid/test_support/sample_entries.h"

namespace tamovid::cli {
namespace {

using Apply = Result<void, std::string> (*)(std::string_view, BirthEntry&);
using testing_support::ErrorOf;

// Each case names only the members its text sets; the others keep the form's defaults,
// which is what the comparison checks.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

struct AcceptedCase {
    const char* label;
    Apply apply;
    const char* text;
    BirthEntry expected;  // the form's values the text must give
};

class AcceptedValue : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedValue, SetsTheFormAsTheWindowWould) {
    const AcceptedCase& c = GetParam();
    BirthEntry entry;
    EXPECT_EQ(ErrorOf(c.apply(c.text, entry)), std::nullopt);
    EXPECT_EQ(entry, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, AcceptedValue,
    testing::Values(
        AcceptedCase{"FirstDayOfTheYearList",
                     ApplyDate,
                     "1901-01-01",
                     {.cboDate = 0, .cboMonth = 0, .cboYear = 0}},
        AcceptedCase{"LastDayOfTheYearList",
                     ApplyDate,
                     "2050-12-31",
                     {.cboDate = 30, .cboMonth = 11, .cboYear = 149}},
        // The list holds day 31 for every month; the form's check refuses it later.
        AcceptedCase{"ThirtyFirstOfApril",
                     ApplyDate,
                     "1975-04-31",
                     {.cboDate = 30, .cboMonth = 3, .cboYear = 74}},
        AcceptedCase{"MidnightStart", ApplyTime, "0:00", {.cboHour = 0, .cboMinute = 0}},
        AcceptedCase{"HourTwentyFour", ApplyTime, "24:59", {.cboHour = 24, .cboMinute = 59}},
        AcceptedCase{"TwoDigitHour", ApplyTime, "09:05", {.cboHour = 9, .cboMinute = 5}},
        AcceptedCase{"FirstZone", ApplyZone, "0", {.cboTimeZone = 0}},
        AcceptedCase{"LastZone", ApplyZone, "70", {.cboTimeZone = 70}},
        AcceptedCase{"DstOn", ApplyDst, "1", {.chkDST = true}},
        AcceptedCase{"DstEmptyIsOff", ApplyDst, "", BirthEntry{}},
        AcceptedCase{
            "NorthLatitude", ApplyLatitude, "28N39", {.txtLatDeg = "28", .txtLatMin = "39"}},
        AcceptedCase{"SouthLatitudeLowerCase",
                     ApplyLatitude,
                     "33s52",
                     {.txtLatDeg = "33", .txtLatMin = "52", .optLat = LatitudeOption::kSouth}},
        // Out-of-range degrees fit the three-digit field; the form's check refuses them.
        AcceptedCase{"LatitudeBeyondThePoleFitsTheField",
                     ApplyLatitude,
                     "095N075",
                     {.txtLatDeg = "095", .txtLatMin = "075"}},
        AcceptedCase{"WestLongitude",
                     ApplyLongitude,
                     "118W15",
                     {.txtLonDeg = "118", .txtLonMin = "15", .optLong = LongitudeOption::kWest}},
        AcceptedCase{"EastLongitude", ApplyLongitude, "0E0", {.txtLonDeg = "0", .txtLonMin = "0"}},
        // Decimal degrees, rounded to the minute as the form holds them; negative is S or W.
        AcceptedCase{"DecimalLatitude", ApplyLatitude, "18.52", {.txtLatDeg = "18", .txtLatMin = "31"}},
        AcceptedCase{"NegativeDecimalLongitude",
                     ApplyLongitude,
                     "-73.85",
                     {.txtLonDeg = "73", .txtLonMin = "51", .optLong = LongitudeOption::kWest}},
        AcceptedCase{"DecimalRoundingUpToTheNextDegree",
                     ApplyLatitude,
                     "-33.9999",
                     {.txtLatDeg = "34", .txtLatMin = "0", .optLat = LatitudeOption::kSouth}}),
    [](const testing::TestParamInfo<AcceptedCase>& info) { return info.param.label; });

struct RejectedCase {
    const char* label;
    Apply apply;
    const char* text;
    const char* message;
};

class RejectedValue : public testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedValue, NamesTheProblemAndLeavesTheFormAlone) {
    const RejectedCase& c = GetParam();
    BirthEntry entry;
    EXPECT_EQ(ErrorOf(c.apply(c.text, entry)), std::optional<std::string>(c.message));
    EXPECT_EQ(entry, BirthEntry{});
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RejectedValue,
    testing::Values(
        RejectedCase{"YearBeforeTheList", ApplyDate, "1900-12-31",
                     "the year must lie between 1901 and 2050"},
        RejectedCase{"YearAfterTheList", ApplyDate, "2051-01-01",
                     "the year must lie between 1901 and 2050"},
        RejectedCase{"MonthThirteen", ApplyDate, "1975-13-01",
                     "the month must lie between 1 and 12"},
        RejectedCase{"MonthZero", ApplyDate, "1975-00-01", "the month must lie between 1 and 12"},
        RejectedCase{"DayZero", ApplyDate, "1975-01-00", "the day must lie between 1 and 31"},
        RejectedCase{"DayThirtyTwo", ApplyDate, "1975-01-32", "the day must lie between 1 and 31"},
        RejectedCase{"SlashesInDate", ApplyDate, "1975/12/03",
                     "expected YYYY-MM-DD, got \"1975/12/03\""},
        RejectedCase{"SingleDigitMonth", ApplyDate, "1975-1-03",
                     "expected YYYY-MM-DD, got \"1975-1-03\""},
        RejectedCase{"SignInDate", ApplyDate, "1975-+1-03",
                     "expected YYYY-MM-DD, got \"1975-+1-03\""},
        RejectedCase{"EmptyDate", ApplyDate, "", "expected YYYY-MM-DD, got \"\""},
        RejectedCase{"HourTwentyFive", ApplyTime, "25:00", "the hour must lie between 0 and 24"},
        RejectedCase{"MinuteSixty", ApplyTime, "10:60", "the minute must lie between 0 and 59"},
        RejectedCase{"OneDigitMinute", ApplyTime, "10:5", "expected HH:MM, got \"10:5\""},
        RejectedCase{"SecondsInTime", ApplyTime, "10:05:00", "expected HH:MM, got \"10:05:00\""},
        RejectedCase{"NoColon", ApplyTime, "1005", "expected HH:MM, got \"1005\""},
        RejectedCase{"BlankInTime", ApplyTime, " 9:05", "expected HH:MM, got \" 9:05\""},
        RejectedCase{"ZoneSeventyOne", ApplyZone, "71",
                     "the time-zone row must lie between 0 and 70"},
        RejectedCase{"NegativeZone", ApplyZone, "-1",
                     "expected a time-zone row number from 0 to 70, got \"-1\""},
        RejectedCase{"ZoneName", ApplyZone, "IST",
                     "expected a time-zone row number from 0 to 70, got \"IST\""},
        RejectedCase{"DstYes", ApplyDst, "yes", "expected 0 or 1, got \"yes\""},
        RejectedCase{"LatitudeWithEast", ApplyLatitude, "28E39",
                     "expected degrees, N or S, minutes (like 28N39 or 33S52) or decimal degrees (like 18.52 or -33.87), got \"28E39\""},
        RejectedCase{"LatitudeWithoutMinutes", ApplyLatitude, "28N",
                     "expected degrees, N or S, minutes (like 28N39 or 33S52) or decimal degrees (like 18.52 or -33.87), got \"28N\""},
        RejectedCase{"LatitudeDecimalWithTwoPoints", ApplyLatitude, "28.6.5",
                     "expected degrees, N or S, minutes (like 28N39 or 33S52) or decimal degrees (like 18.52 or -33.87), got \"28.6.5\""},
        RejectedCase{"LongitudeDecimalWithoutDigitsAfterThePoint", ApplyLongitude, "-73.",
                     "expected degrees, E or W, minutes (like 77E13 or 118W15) or decimal degrees (like 73.85 or -118.25), got \"-73.\""},
        RejectedCase{"FourDigitDegrees", ApplyLatitude, "0028N39",
                     "expected degrees, N or S, minutes (like 28N39 or 33S52) or decimal degrees (like 18.52 or -33.87), got \"0028N39\""},
        RejectedCase{"LongitudeWithNorth", ApplyLongitude, "77N13",
                     "expected degrees, E or W, minutes (like 77E13 or 118W15) or decimal degrees (like 73.85 or -118.25), got \"77N13\""},
        RejectedCase{"TwoDirections", ApplyLongitude, "77E13W",
                     "expected degrees, E or W, minutes (like 77E13 or 118W15) or decimal degrees (like 73.85 or -118.25), got \"77E13W\""}),
    [](const testing::TestParamInfo<RejectedCase>& info) { return info.param.label; });

ChartFieldTexts CompleteTexts() {
    ChartFieldTexts texts;
    texts[static_cast<std::size_t>(ChartField::kDate)] = "1975-12-03";
    texts[static_cast<std::size_t>(ChartField::kTime)] = "10:30";
    texts[static_cast<std::size_t>(ChartField::kZone)] = "34";
    texts[static_cast<std::size_t>(ChartField::kLat)] = "18N31";
    texts[static_cast<std::size_t>(ChartField::kLon)] = "73E51";
    return texts;
}

TEST(EntryFromFieldTexts, AbsentTextFieldsAreEmptySoTheFormsChecksRefuseThem) {
    const auto entry = EntryFromFieldTexts(CompleteTexts());
    ASSERT_EQ(ErrorOf(entry), std::nullopt);
    // The Pune chart with no name and no place: the box stays as an empty form has it.
    BirthEntry expected = testing_support::Pune1975();
    expected.txtName.clear();
    expected.txtCity.clear();
    expected.txtState.clear();
    expected.txtCountry.clear();
    EXPECT_EQ(entry.value(), expected);
}

TEST(EntryFromFieldTexts, TextsAreKeptExactlyAsGiven) {
    ChartFieldTexts texts = CompleteTexts();
    texts[static_cast<std::size_t>(ChartField::kName)] = " Ravi  Kumar ";
    texts[static_cast<std::size_t>(ChartField::kCity)] = "Pune, Camp";
    const auto entry = EntryFromFieldTexts(texts);
    ASSERT_TRUE(entry.ok());
    EXPECT_EQ(entry.value().txtName, " Ravi  Kumar ");
    EXPECT_EQ(entry.value().txtCity, "Pune, Camp");
}

class MissingRequiredField : public testing::TestWithParam<ChartField> {};

TEST_P(MissingRequiredField, IsAnErrorNamingIt) {
    ChartFieldTexts texts = CompleteTexts();
    texts[static_cast<std::size_t>(GetParam())].reset();
    const auto entry = EntryFromFieldTexts(texts);
    ASSERT_FALSE(entry.ok());
    EXPECT_EQ(entry.error().field, GetParam());
    EXPECT_EQ(DescribeFieldError(entry.error(), "--"),
              "--" + std::string(ChartFieldName(GetParam())) + ": required, but not given");
}

INSTANTIATE_TEST_SUITE_P(Fields, MissingRequiredField,
                         testing::Values(ChartField::kDate, ChartField::kTime, ChartField::kZone,
                                         ChartField::kLat, ChartField::kLon),
                         [](const testing::TestParamInfo<ChartField>& info) {
                             return std::string(ChartFieldName(info.param));
                         });

TEST(ChartFieldByName, KnowsEveryNameAndNothingElse) {
    for (std::size_t i = 0; i < kChartFieldCount; ++i) {
        EXPECT_EQ(ChartFieldByName(kChartFieldNames[i]), static_cast<ChartField>(i));
    }
    EXPECT_EQ(ChartFieldByName("Date"), std::nullopt);
    EXPECT_EQ(ChartFieldByName("latitude"), std::nullopt);
    EXPECT_EQ(ChartFieldByName(""), std::nullopt);
}

}  // namespace
}  // namespace tamovid::cli
