#pragma once

#include <vector>

#include "tamovid/birthentry/graha_table.h"
#include "tamovid/vargas/varga_body.h"

namespace tamovid {

/// The Ascendant, the nine grahas and the five points of a graha table, in its row order,
/// each with its sixteen signs. Further bodies are appended with VargaBodyOf.
std::vector<VargaBody> VargaBodiesOf(const GrahaTable& table);

}  // namespace tamovid
