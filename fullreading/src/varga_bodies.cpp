#include "tamovid/fullreading/varga_bodies.h"

namespace tamovid {

std::vector<VargaBody> VargaBodiesOf(const GrahaTable& table) {
    std::vector<VargaBody> bodies;
    bodies.reserve(table.rows.size());
    for (const GrahaRow& row : table.rows) {
        bodies.push_back(VargaBodyOf(row.name, row.label, row.position.longitude, row.retrograde));
    }
    return bodies;
}

}  // namespace tamovid
