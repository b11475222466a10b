#pragma once

#include "tamovid/atlas/atlas.h"
#include "tamovid/birthentry/birth_entry.h"

namespace tamovid {

/// Puts a place's names (in letters the form takes) and coordinates into the form.
/// A place without a state gets its country's name there, since the form needs one.
void FillPlace(BirthEntry& entry, const atlas::Place& place);

}  // namespace tamovid
