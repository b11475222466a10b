#pragma once

#include <optional>
#include <string_view>

namespace tamovid {

/// Which engine computes the Sun and the Ascendant. The classic engine is the default
/// everywhere; the precise one agrees with a high-precision ephemeris to arc-seconds.
enum class Engine { kClassic, kPrecise };

/// "classic" or "precise", as readings name their engine.
constexpr std::string_view EngineName(Engine engine) {
    return engine == Engine::kPrecise ? "precise" : "classic";
}

/// The engine a name gives, exactly as EngineName writes it; nothing for anything else.
constexpr std::optional<Engine> ParseEngine(std::string_view name) {
    if (name == EngineName(Engine::kPrecise)) return Engine::kPrecise;
    if (name == EngineName(Engine::kClassic)) return Engine::kClassic;
    return std::nullopt;
}

}  // namespace tamovid
