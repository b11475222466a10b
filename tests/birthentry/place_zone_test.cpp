// A place from the atlas in the form, as the window, the command line and batches share it.

#include "tamovid/birthentry/place_zone.h"

#include <gtest/gtest.h>

namespace tamovid {
namespace {

atlas::Place Singapore() {
    atlas::Place place;
    place.name = place.asciiName = "Singapore";
    place.country = "Singapore";
    place.countryCode = "SG";
    place.zone = "Asia/Singapore";
    place.latitudeMinutes = 1 * 60 + 17;
    place.longitudeMinutes = 103 * 60 + 51;
    return place;
}

TEST(FillPlace, APlaceWithoutAStateHasItsCountryThereAndKeptFieldsStay) {
    BirthEntry entry;
    entry.txtLatDeg = "9";
    FillPlace(entry, Singapore(), {.latitude = true});
    EXPECT_EQ(entry.txtCity, "Singapore");
    EXPECT_EQ(entry.txtState, "Singapore");
    EXPECT_EQ(entry.txtCountry, "Singapore");
    EXPECT_EQ(entry.txtLatDeg, "9");
    EXPECT_EQ(entry.txtLonDeg + "/" + entry.txtLonMin, "103/51");
}

TEST(StalePlace, ANewCityOverAnotherPlacesCoordinatesIsRefusedNamingBoth) {
    BirthEntry filled;
    FillPlace(filled, Singapore());
    const FilledPlace place{"Singapore, Singapore", filled};
    struct Case {
        const char* name;
        const char* city;
        const char* latitudeDegrees;
        bool refused;
    };
    const Case cases[] = {
        {"SameCityOtherCase", " singapore", "1", false},
        {"OtherCitySameCoordinates", "Saigon", "1", true},
        {"OtherCityOwnCoordinates", "Saigon", "10", false},
    };
    for (const Case& c : cases) {
        BirthEntry entry = filled;
        entry.txtCity = c.city;
        entry.txtLatDeg = c.latitudeDegrees;
        const auto message = StalePlaceMessage(entry, place);
        EXPECT_EQ(message.has_value(), c.refused) << c.name;
        if (message) {
            EXPECT_EQ(*message,
                      "The city is \"Saigon\", but the latitude, longitude and time zone are "
                      "still those of Singapore, Singapore, chosen from the atlas. Choose the "
                      "city from the list under it, or enter its latitude, longitude and time "
                      "zone yourself.");
        }
    }
}

TEST(EnteredTimeInZone, ADayThatDoesNotExistIsNoClockGap) {
    BirthEntry entry;
    entry.cboYear = 1960 - 1901;
    entry.cboMonth = 3;  // April
    entry.cboDate = 30;  // the 31st
    entry.cboHour = 1;
    entry.cboMinute = 30;
    const auto local = EnteredTimeInZone(entry, "Africa/Cairo");
    ASSERT_TRUE(local.ok());
    EXPECT_FALSE(local.value().has_value());
}

}  // namespace
}  // namespace tamovid
