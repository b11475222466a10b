#pragma once

#include "tamovid/birthentry/birth.h"
#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/birthentry/validation.h"

namespace tamovid::testing_support {

/// The birth a valid form gives, read as a new chart or an opened file reads it.
inline Birth BirthOf(const BirthEntry& entry) { return ReadBirth(entry, BlankBirth()).value(); }

}  // namespace tamovid::testing_support
