#pragma once

#include <string>

#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/messages.h"
#include "tamovid/base/result.h"

namespace tamovid {

/// The form's checks in their fixed order; the first that fails gives the refusal.
Result<void, Refusal> ValidateInput(const BirthEntry& entry);

/// The birth the form gives, read once after the same checks. A list with nothing chosen
/// (the hour, the minute, the zone) keeps `previous`'s value.
Result<Birth, Refusal> ReadBirth(BirthEntry entry, const Birth& previous);

/// The form's date checks alone: whether the chosen day exists in its month and year.
/// Ahead of anything that needs a real date, such as a zone's clock changes.
Result<void, Refusal> CheckDate(const BirthEntry& entry);

/// The place lookup: the query text for a web search ("Pune Maharashtra India Latitude
/// Longitude", the fields as typed), or the refusal when city, state or country is empty.
Result<std::string, Refusal> LookupQuery(const BirthEntry& entry);

}  // namespace tamovid
