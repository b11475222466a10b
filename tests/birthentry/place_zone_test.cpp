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

TEST(StalePlace, ANewCityOverAnotherPlacesCoordinatesOrZoneIsRefusedNamingBoth) {
    BirthEntry filled;
    FillPlace(filled, Singapore());
    struct Case {
        const char* name;
        const char* city;
        const char* latitudeDegrees;
        bool zoneChosen;
        bool coordinatesTyped;
        const char* kept;  ///< what the message says is still Singapore's; null: not refused
    };
    const Case cases[] = {
        {"SameCityOtherCase", " singapore", "1", false, false, nullptr},
        {"OtherCitySameCoordinatesAndZone", "Saigon", "1", false, false,
         "latitude, longitude and time zone are still those"},
        {"OtherCitySameCoordinates", "Saigon", "1", true, false,
         "latitude and longitude are still those"},
        {"OtherCitySameZone", "Saigon", "10", false, false, "time zone is still that"},
        {"OtherCityOwnCoordinatesAndZone", "Saigon", "10", true, false, nullptr},
        {"OtherCityCoordinatesTypedAlike", "Saigon", "1", true, true, nullptr},
    };
    for (const Case& c : cases) {
        BirthEntry entry = filled;
        entry.txtCity = c.city;
        entry.txtLatDeg = c.latitudeDegrees;
        const auto message =
            StalePlaceMessage(
            entry, FilledPlace{"Singapore, Singapore", filled, c.zoneChosen, c.coordinatesTyped});
        ASSERT_EQ(message.has_value(), c.kept != nullptr) << c.name;
        if (message) {
            EXPECT_EQ(*message, "The city is \"Saigon\", but the " + std::string(c.kept) +
                                    " of Singapore, Singapore, chosen from the atlas. Choose the "
                                    "city from the list under it, or enter its latitude, "
                                    "longitude and time zone yourself.")
                << c.name;
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
