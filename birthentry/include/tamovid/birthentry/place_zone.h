#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tamovid/atlas/atlas.h"
#include "tamovid/atlas/zone_time.h"
#include "tamovid/birthentry/birth_entry.h"

namespace tamovid {

/// The place fields that the user gave himself, which a place then leaves as they are.
struct KeptPlaceFields {
    bool city = false;
    bool state = false;
    bool country = false;
    bool latitude = false;
    bool longitude = false;
};

/// Puts an atlas place's names (in letters the form takes) and coordinates into the
/// form, all but the kept ones. A place without a state gets its country's name there,
/// since the form needs one: the window, the command line and batches alike.
void FillPlace(BirthEntry& entry, const atlas::Place& place, const KeptPlaceFields& kept = {});

/// The form as the atlas filled it for a place, to tell later whether it still holds it.
struct FilledPlace {
    std::string shownName;    ///< as the list of matches showed it: "Singapore, Singapore"
    BirthEntry fields;        ///< the form right after filling
    bool zoneChosen = false;  ///< the user chose the zone or the box since
    /// The user typed a coordinate or chose a direction since: they are his own, even
    /// where they come out as the place's.
    bool coordinatesTyped = false;
};

/// Once the city no longer names the place filled in while the form still holds that
/// place's coordinates that the user has not typed since, or its zone that the user
/// has not chosen since: the message
/// naming both places, so that a chart is never computed with one place's name and
/// another's coordinates or clock. Nothing otherwise.
std::optional<std::string> StalePlaceMessage(const BirthEntry& entry, const FilledPlace& filled);

/// What the entered local date and clock time was in a zone. Nothing when the date
/// does not exist (31 April): the form's own date check refuses it, and no zone's
/// clock changes are looked up for it. A zone that cannot be read gives its message.
Result<std::optional<atlas::LocalTimeInZone>, atlas::AtlasError> EnteredTimeInZone(
    const BirthEntry& entry, std::string_view zone);

/// For a clock time that did not exist or happened twice, what the zone's clocks did.
std::string ClockChangeMessage(const BirthEntry& entry, std::string_view zone,
                               const atlas::LocalTimeInZone& local);

/// Sets the form's zone row and box, and its exact offset when no row gives it, from
/// one offset the zone had.
void ApplyZoneOffset(BirthEntry& entry, const atlas::ZoneOffset& offset, std::string_view zone);

}  // namespace tamovid
