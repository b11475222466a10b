#include "tamovid/app/place_entry.h"

#include <cstdlib>
#include <string>

#include "tamovid/atlas/fold.h"

namespace tamovid {
namespace {

constexpr int kMinutesPerDegree = 60;

void SetAngle(int minutes, std::string& degrees, std::string& rest) {
    degrees = std::to_string(std::abs(minutes) / kMinutesPerDegree);
    rest = std::to_string(std::abs(minutes) % kMinutesPerDegree);
}

}  // namespace

void FillPlace(BirthEntry& entry, const atlas::Place& place) {
    entry.txtCity = atlas::FormLetters(place.asciiName);
    entry.txtCountry = atlas::FormLetters(place.country);
    entry.txtState = atlas::FormLetters(place.state);
    if (entry.txtState.empty()) {
        entry.txtState = entry.txtCountry;
    }
    SetAngle(place.latitudeMinutes, entry.txtLatDeg, entry.txtLatMin);
    entry.optLat = place.latitudeMinutes < 0 ? LatitudeOption::kSouth : LatitudeOption::kNorth;
    SetAngle(place.longitudeMinutes, entry.txtLonDeg, entry.txtLonMin);
    entry.optLong = place.longitudeMinutes < 0 ? LongitudeOption::kWest : LongitudeOption::kEast;
}

}  // namespace tamovid
