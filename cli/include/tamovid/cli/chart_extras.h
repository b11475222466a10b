#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/graha_table.h"
#include "tamovid/timewindow/time_window.h"

namespace tamovid::cli {

/// What a reading shows beyond the five points when asked for.
struct ExtrasRequest {
    bool grahas = false;      ///< the nine grahas, the ayanamsa and the nakshatras
    bool timeWindow = false;  ///< the birth-time window
};

struct ReadingExtras {
    std::optional<GrahaTable> grahas;
    std::optional<timewindow::TimeWindow> timeWindow;
};

/// The asked-for extras of a reading, in its engine and with its options. The Sun and
/// the Ascendant of the grahas are the reading's own.
ReadingExtras ComputeExtras(const Reading& reading, ExtrasRequest request);

/// The extras as JSON members, each with its leading comma: "ascendant_nakshatra",
/// "ascendant_pada", "ayanamsa", "ayanamsa_name", "node", "ephemeris", "grahas" (nine
/// objects: "name", "longitude", "position", "nakshatra", "pada", "retrograde"),
/// "sign_mates" (five objects: "name", "grahas" with each graha's "name" and "distance"
/// in degrees, "affliction" as a sentence or null) and
/// "time_window" (one object per body: "name", "sign_from" .. "pada_to" as local clock
/// times, null for an end beyond 12 hours) with "nearest_house_change".
void AppendExtrasJson(std::string& text, const Reading& reading, const ReadingExtras& extras);

/// The nakshatra members of one position, with the leading comma:
/// ,"<prefix>nakshatra":..,"<prefix>pada":..
void AppendNakshatraJson(std::string& text, double siderealLongitude, std::string_view prefix = {});

/// The extras' sections of the readable reading.
void WriteExtrasText(std::ostream& out, const ReadingExtras& extras);

}  // namespace tamovid::cli
