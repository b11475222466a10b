#pragma once

#include <optional>
#include <string>

#include "number_text.h"
#include "tamovid/base/result.h"
#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/messages.h"

namespace tamovid {

/// A birth as the form or a chart file gives it, read but not yet checked: the texts as
/// they stand, the coordinates' numbers as each reads them, and each list's value, with
/// nothing where nothing is chosen.
struct EnteredBirth {
    std::string name;
    GivenNumber latDeg;
    GivenNumber latMin;
    GivenNumber lonDeg;
    GivenNumber lonMin;
    std::string city;
    std::string state;
    std::string country;
    std::optional<bool> south;  ///< nothing when neither direction is chosen
    std::optional<bool> east;
    std::optional<int> year;  ///< values on the form's lists, as the lists read them
    std::optional<int> month;
    std::optional<int> day;
    std::optional<int> hour;
    std::optional<int> minute;
    std::optional<int> zoneRow;
    bool dst = false;
    /// The place's exact offset (local minus UT, minutes) and its zone, when no row gives it.
    std::optional<int> utcOffsetMinutes;
    std::string zoneName;
};

/// The checks in their fixed order; the first that fails gives the refusal. A list with
/// nothing chosen (the hour, the minute, the zone) keeps `previous`'s value.
Result<Birth, Refusal> CheckedBirth(EnteredBirth entered, const Birth& previous);

}  // namespace tamovid
