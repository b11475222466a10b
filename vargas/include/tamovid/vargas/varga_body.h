#pragma once

#include <string_view>

#include "tamovid/vargas/varga.h"

namespace tamovid {

/// One body as every divisional chart places it: what it is called, its sidereal
/// longitude, and its sign in each of the sixteen charts.
struct VargaBody {
    std::string_view name;   ///< "Ascendant", "Sun" .. "Ketu", "Dhuma" .. "Upaketu"
    std::string_view label;  ///< two letters, as a chart writes it: "As", "Su", "Dh"
    double longitude = 0;    ///< sidereal degrees, 0..360
    bool retrograde = false;
    VargaSigns signs{};  ///< by VargaIndex; -1 where the longitude is not finite
};

/// A body of a chart with its sixteen signs, from its name, label, longitude and motion.
VargaBody VargaBodyOf(std::string_view name, std::string_view label, double longitude,
                      bool retrograde = false);

}  // namespace tamovid
