#include "tamovid/birthentry/place_zone.h"

#include <algorithm>
#include <cstdlib>

#include "tamovid/atlas/fold.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/civil_date_time.h"

namespace tamovid {
namespace {

constexpr int kMinutesPerDegree = 60;

void SetAngle(int arcMinutes, std::string& degrees, std::string& minutes) {
    degrees = std::to_string(std::abs(arcMinutes) / kMinutesPerDegree);
    minutes = std::to_string(std::abs(arcMinutes) % kMinutesPerDegree);
}

CivilDateTime ClockOf(const BirthEntry& entry) {
    return {kFirstYear + entry.cboYear, entry.cboMonth + 1, kFirstDay + entry.cboDate,
            entry.cboHour, entry.cboMinute};
}

/// The same city, whatever the blanks around it and the case of its letters.
bool SameCity(std::string_view a, std::string_view b) {
    a = TrimBlanks(a);
    b = TrimBlanks(b);
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

bool SameCoordinates(const BirthEntry& a, const BirthEntry& b) {
    return a.txtLatDeg == b.txtLatDeg && a.txtLatMin == b.txtLatMin && a.optLat == b.optLat &&
           a.txtLonDeg == b.txtLonDeg && a.txtLonMin == b.txtLonMin && a.optLong == b.optLong;
}

}  // namespace

std::optional<std::string> StalePlaceMessage(const BirthEntry& entry, const FilledPlace& filled) {
    if (SameCity(entry.txtCity, filled.fields.txtCity)) return std::nullopt;
    const bool coordinates = !filled.coordinatesTyped && SameCoordinates(entry, filled.fields);
    const bool zone = !filled.zoneChosen;
    if (!coordinates && !zone) return std::nullopt;
    const std::string_view kept = coordinates && zone ? "latitude, longitude and time zone are"
                                  : coordinates       ? "latitude and longitude are"
                                                      : "time zone is";
    return "The city is \"" + std::string(TrimBlanks(entry.txtCity)) + "\", but the " +
           std::string(kept) + " still " + (zone && !coordinates ? "that" : "those") + " of " +
           filled.shownName +
           ", chosen from the atlas. Choose the city from the list under it, or enter its "
           "latitude, longitude and time zone yourself.";
}

void FillPlace(BirthEntry& entry, const atlas::Place& place, const KeptPlaceFields& kept) {
    const std::string country = atlas::FormLetters(place.country);
    if (!kept.city) entry.txtCity = atlas::FormLetters(place.asciiName);
    if (!kept.country) entry.txtCountry = country;
    if (!kept.state) {
        entry.txtState = atlas::FormLetters(place.state);
        if (entry.txtState.empty()) entry.txtState = country;
    }
    if (!kept.latitude) {
        SetAngle(place.latitudeMinutes, entry.txtLatDeg, entry.txtLatMin);
        entry.optLat = place.latitudeMinutes < 0 ? LatitudeOption::kSouth : LatitudeOption::kNorth;
    }
    if (!kept.longitude) {
        SetAngle(place.longitudeMinutes, entry.txtLonDeg, entry.txtLonMin);
        entry.optLong =
            place.longitudeMinutes < 0 ? LongitudeOption::kWest : LongitudeOption::kEast;
    }
}

Result<std::optional<atlas::LocalTimeInZone>, atlas::AtlasError> EnteredTimeInZone(
    const BirthEntry& entry, std::string_view zone) {
    if (!CheckDate(entry).ok() || entry.cboHour < 0 || entry.cboMinute < 0) {
        return std::optional<atlas::LocalTimeInZone>();
    }
    const CivilDateTime c = ClockOf(entry);
    auto local = atlas::ResolveLocalTime(zone, c.year, c.month, c.day, c.hour, c.minute);
    if (!local.ok()) return Failure{local.error()};
    return std::optional<atlas::LocalTimeInZone>(std::move(local).value());
}

std::string ClockChangeMessage(const BirthEntry& entry, std::string_view zone,
                               const atlas::LocalTimeInZone& local) {
    const CivilDateTime c = ClockOf(entry);
    if (local.kind == atlas::LocalTimeInZone::Kind::kNonexistent) {
        return atlas::NonexistentTimeMessage(zone, c.year, c.month, c.day, c.hour, c.minute, local);
    }
    return atlas::AmbiguousTimeMessage(zone, c.year, c.month, c.day, c.hour, c.minute, local);
}

void ApplyZoneOffset(BirthEntry& entry, const atlas::ZoneOffset& offset, std::string_view zone) {
    ApplyZoneOffset(entry, offset.minutes, offset.dst, offset.abbreviation, zone);
}

}  // namespace tamovid
