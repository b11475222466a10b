#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/fullreading/full_reading.h"

namespace tamovid::cli {

/// The parts of the reading beyond the five points as JSON members, each with its leading comma: "ascendant_nakshatra",
/// "ascendant_pada", "ayanamsa", "ayanamsa_name", "node", "ephemeris", "grahas" (nine
/// objects: "name", "longitude", "position", "nakshatra", "pada", "retrograde"),
/// "sign_mates" (five objects: "name", "grahas" with each graha's "name" and "distance"
/// in degrees, "affliction" as a sentence or null) and
/// "time_window" (one object per body: "name", "sign_from" .. "pada_to" as local clock
/// times, null for an end beyond 12 hours) with "nearest_house_change", the six
/// (AppendUpagrahasJson), "vargas" (the `charts` asked, in their order) and "dasha".
void AppendExtrasJson(std::string& text, const FullReading& full,
                      std::span<const Varga> charts = {});

/// The nakshatra members of one position, with the leading comma:
/// ,"<prefix>nakshatra":..,"<prefix>pada":..
void AppendNakshatraJson(std::string& text, double siderealLongitude, std::string_view prefix = {});

/// The sections of the readable reading for the parts beyond the five points.
void WriteExtrasText(std::ostream& out, const FullReading& full,
                     std::span<const Varga> charts = {});

}  // namespace tamovid::cli
