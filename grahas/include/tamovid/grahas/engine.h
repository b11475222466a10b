#pragma once

#include <string_view>

namespace tamovid {

/// Which engine computes the Sun and the Ascendant. The classic engine is the default
/// everywhere; the precise one agrees with a high-precision ephemeris to arc-seconds.
enum class Engine { kClassic, kPrecise };

/// "classic" or "precise", as readings name their engine.
constexpr std::string_view EngineName(Engine engine) {
    return engine == Engine::kPrecise ? "precise" : "classic";
}

}  // namespace tamovid
