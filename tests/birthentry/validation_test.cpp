#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "tamovid/birthentry/validation.h"
#include "tamovid/test_support/sample_entries.h"

namespace tamovid {
namespace {

using testing_support::Delhi1947;

struct Case {
    const char* name;
    std::function<void(BirthEntry&)> change;
    std::optional<Refusal> expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

Refusal Critical(std::string_view message, FormField focus) {
    return {message, MessageIcon::kCritical, focus};
}
Refusal Information(std::string_view message) { return {message, MessageIcon::kInformation}; }

void SetDate(BirthEntry& e, int day, int month, int year) {
    e.cboDate = day - 1;
    e.cboMonth = month - 1;
    e.cboYear = year - 1901;
}

void SetLatitude(BirthEntry& e, const char* degrees, const char* minutes) {
    e.txtLatDeg = degrees;
    e.txtLatMin = minutes;
}

void SetLongitude(BirthEntry& e, const char* degrees, const char* minutes) {
    e.txtLonDeg = degrees;
    e.txtLonMin = minutes;
}

class ValidateInputTest : public testing::TestWithParam<Case> {};

TEST_P(ValidateInputTest, GivesTheFirstFailingCheck) {
    BirthEntry entry = Delhi1947();
    GetParam().change(entry);
    const Result<void, Refusal> checked = ValidateInput(entry);
    ASSERT_EQ(!checked.ok(), GetParam().expected.has_value())
        << (checked.ok() ? "passed" : checked.error().message);
    if (!checked.ok()) {
        const Refusal& refusal = checked.error();
        EXPECT_EQ(refusal.message, GetParam().expected->message);
        EXPECT_EQ(refusal.icon, GetParam().expected->icon);
        EXPECT_EQ(refusal.focus, GetParam().expected->focus);
        EXPECT_EQ(refusal.choose, GetParam().expected->choose);
    }
}

const Case kCases[] = {
    {"CompleteFormPasses", [](BirthEntry&) {}, std::nullopt},
    {"EverythingEmptyNamesOnlyTheName",
     [](BirthEntry& e) {
         e = BirthEntry{};
         e.optLat = LatitudeOption::kNone;
         e.optLong = LongitudeOption::kNone;
     },
     Critical("Please Enter Your Name", FormField::txtName)},
    {"NameOfBlanksPasses", [](BirthEntry& e) { e.txtName = "   "; }, std::nullopt},
    {"NoLatitudeDegrees",
     [](BirthEntry& e) {
         e.txtLatDeg.clear();
         e.txtCity.clear();
     },
     Critical("Please Enter Degree of Latitude", FormField::txtLatDeg)},
    {"NoLatitudeMinutes", [](BirthEntry& e) { e.txtLatMin.clear(); },
     Critical("Please Enter Minutes of Latitude", FormField::txtLatMin)},
    {"NoLongitudeDegrees", [](BirthEntry& e) { e.txtLonDeg.clear(); },
     Critical("Please Enter Degree of Longitude", FormField::txtLonDeg)},
    {"NoLongitudeMinutes", [](BirthEntry& e) { e.txtLonMin.clear(); },
     Critical("Please Enter Minute of Longitude", FormField::txtLonMin)},
    {"NoCity",
     [](BirthEntry& e) {
         e.txtCity.clear();
         e.txtCountry.clear();
     },
     Critical("Please Enter Your City name", FormField::txtCity)},
    {"NoState", [](BirthEntry& e) { e.txtState.clear(); },
     Critical("Please Enter Your State name", FormField::txtState)},
    {"NoCountry", [](BirthEntry& e) { e.txtCountry.clear(); },
     Critical("Please Enter Your Country name", FormField::txtCountry)},
    {"NoLatitudeDirectionChoosesNorth",
     [](BirthEntry& e) {
         e.optLat = LatitudeOption::kNone;
         e.optLong = LongitudeOption::kNone;
     },
     Refusal{"Please Select Direction For The Latitude", MessageIcon::kCritical, FormField::kNone,
             Refusal::Choose::kNorth}},
    {"NoLongitudeDirectionChoosesEast", [](BirthEntry& e) { e.optLong = LongitudeOption::kNone; },
     Refusal{"Please Select Direction For The Longitude", MessageIcon::kCritical, FormField::kNone,
             Refusal::Choose::kEast}},
    {"LeapDay1904Passes", [](BirthEntry& e) { SetDate(e, 29, 2, 1904); }, std::nullopt},
    {"LeapDay2000Passes", [](BirthEntry& e) { SetDate(e, 29, 2, 2000); }, std::nullopt},
    {"LeapDay1905Fails", [](BirthEntry& e) { SetDate(e, 29, 2, 1905); },
     Information("Please Enter Correct Date Or Month!")},
    {"ThirtiethFebruary2000Fails", [](BirthEntry& e) { SetDate(e, 30, 2, 2000); },
     Information("Please Enter Correct Date Or Month!")},
    {"ThirtyFirstFebruaryFails", [](BirthEntry& e) { SetDate(e, 31, 2, 1904); },
     Information("Please Enter Correct Date Or Month!")},
    {"ThirtyFirstAprilFailsWithTheBlank", [](BirthEntry& e) { SetDate(e, 31, 4, 1990); },
     Information("Please Enter Correct Date Or Month !")},
    {"ThirtyFirstNovemberFailsWithTheBlank", [](BirthEntry& e) { SetDate(e, 31, 11, 1990); },
     Information("Please Enter Correct Date Or Month !")},
    {"ThirtyFirstMayPasses", [](BirthEntry& e) { SetDate(e, 31, 5, 1990); }, std::nullopt},
    {"NoDateChosenIsRefused", [](BirthEntry& e) { e.cboDate = -1; },
     Information("Please Enter Correct Date Or Month!")},
    {"HourTwentyFourPasses", [](BirthEntry& e) { e.cboHour = 24; }, std::nullopt},
    {"AnyZonePasses", [](BirthEntry& e) { e.cboTimeZone = 51; }, std::nullopt},
    {"NinetyDegreesLatitudePasses", [](BirthEntry& e) { SetLatitude(e, "90", "00"); },
     std::nullopt},
    {"NinetyDegreesOneMinuteFails", [](BirthEntry& e) { SetLatitude(e, "90", "01"); },
     Critical("Please Enter Correct Degree of Latitude", FormField::txtLatDeg)},
    {"ImpossibleLatitudeFails", [](BirthEntry& e) { SetLatitude(e, "999", "75"); },
     Critical("Please Enter Correct Degree of Latitude", FormField::txtLatDeg)},
    // A minus sign is no digit, not even before a zero.
    {"MinusZeroDegreesFail", [](BirthEntry& e) { e.txtLatDeg = "-0"; },
     Critical("Please Enter Correct Degree of Latitude", FormField::txtLatDeg)},
    {"DateIsCheckedBeforeThePlace",
     [](BirthEntry& e) {
         e.txtLatDeg = "999";
         SetDate(e, 31, 4, 1990);
     },
     Information("Please Enter Correct Date Or Month !")},
    {"LatitudeMinutesAboveFiftyNineFail", [](BirthEntry& e) { e.txtLatMin = "60"; },
     Critical("Please Enter Correct Minutes of Latitude", FormField::txtLatMin)},
    {"OneEightyDegreesLongitudePasses", [](BirthEntry& e) { SetLongitude(e, "180", "0"); },
     std::nullopt},
    {"OneEightyDegreesOneMinuteFails", [](BirthEntry& e) { SetLongitude(e, "180", "1"); },
     Critical("Please Enter Correct Degree of Longitude", FormField::txtLonDeg)},
    {"LongitudeMinutesAboveFiftyNineFail", [](BirthEntry& e) { e.txtLonMin = "75"; },
     Critical("Please Enter Correct Minute of Longitude", FormField::txtLonMin)},
    {"NonNumericDegreesFail", [](BirthEntry& e) { e.txtLonDeg = "7x"; },
     Critical("Please Enter Correct Degree of Longitude", FormField::txtLonDeg)},
};

INSTANTIATE_TEST_SUITE_P(Checks, ValidateInputTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

TEST(LookupQuery, JoinsThePlaceAsTyped) {
    BirthEntry entry;
    entry.txtCity = "Pune";
    entry.txtState = "Maharashtra";
    entry.txtCountry = "India";
    EXPECT_EQ(LookupQuery(entry).value(), "Pune Maharashtra India Latitude Longitude");
    entry.txtCity = " Pune ";
    EXPECT_EQ(LookupQuery(entry).value(), " Pune  Maharashtra India Latitude Longitude");
}

TEST(LookupQuery, RefusesTheFirstEmptyPlaceField) {
    BirthEntry entry;
    EXPECT_EQ(LookupQuery(entry).error(), Critical("Please Enter City", FormField::txtCity));
    entry.txtCity = "Pune";
    EXPECT_EQ(LookupQuery(entry).error(), Critical("Please Enter State", FormField::txtState));
    entry.txtState = "Maharashtra";
    EXPECT_EQ(LookupQuery(entry).error(), Critical("Please Enter Country", FormField::txtCountry));
}

}  // namespace
}  // namespace tamovid
