#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "tamovid/choices/dasha_year.h"
#include "tamovid/choices/engine.h"
#include "tamovid/choices/upagraha_options.h"

namespace tamovid {

/// The sidereal zero points the precise engine offers; Lahiri is the default.
enum class AyanamsaChoice { kLahiri, kRaman, kKrishnamurti, kTrueChitra, kTruePushya, kYukteshwar };

/// Rahu as the Moon's mean node (the default) or its true, osculating node.
enum class LunarNode { kMean, kTrue };

struct AyanamsaName {
    AyanamsaChoice ayanamsa;
    std::string_view key;   ///< stable, for options, files and JSON: "true-chitra"
    std::string_view name;  ///< for people: "True Chitra"
};

inline constexpr std::array<AyanamsaName, 6> kAyanamsaNames{{
    {AyanamsaChoice::kLahiri, "lahiri", "Lahiri"},
    {AyanamsaChoice::kRaman, "raman", "Raman"},
    {AyanamsaChoice::kKrishnamurti, "krishnamurti", "Krishnamurti"},
    {AyanamsaChoice::kTrueChitra, "true-chitra", "True Chitra"},
    {AyanamsaChoice::kTruePushya, "true-pushya", "True Pushya"},
    {AyanamsaChoice::kYukteshwar, "yukteshwar", "Yukteshwar"},
}};

struct LunarNodeName {
    LunarNode node;
    std::string_view key;  ///< "mean" or "true"
};

inline constexpr std::array<LunarNodeName, 2> kLunarNodeNames{{
    {LunarNode::kMean, "mean"},
    {LunarNode::kTrue, "true"},
}};

/// Everything a chart is calculated with besides the birth: one value, held by the chart,
/// remembered by the window, written to a chart file where it is not the default.
struct ChartOptions {
    Engine engine = Engine::kClassic;                   ///< what computes the Sun and the Ascendant
    AyanamsaChoice ayanamsa = AyanamsaChoice::kLahiri;  ///< the precise engine's zero point
    LunarNode node = LunarNode::kMean;
    upagrahas::UpagrahaOptions upagrahas;  ///< sunrise, portion lords, where each point rises
    DashaYear dashaYear = kDefaultDashaYear;
    friend bool operator==(const ChartOptions&, const ChartOptions&) = default;
};

/// The default options with this engine, ayanamsa and node.
constexpr ChartOptions OptionsFor(Engine engine, AyanamsaChoice ayanamsa = AyanamsaChoice::kLahiri,
                                  LunarNode node = LunarNode::kMean) {
    ChartOptions options;
    options.engine = engine;
    options.ayanamsa = ayanamsa;
    options.node = node;
    return options;
}

std::string_view AyanamsaKey(AyanamsaChoice ayanamsa);
std::string_view AyanamsaDisplayName(AyanamsaChoice ayanamsa);
std::string_view LunarNodeKey(LunarNode node);

/// The ayanamsa a text names: its key or its name, in any case, with blanks, hyphens
/// and underscores alike ("True Chitra", "true_chitra", "TRUE-CHITRA"); nothing for an
/// unknown text.
std::optional<AyanamsaChoice> ParseAyanamsa(std::string_view text);

/// "mean" or "true", in any case; nothing for anything else.
std::optional<LunarNode> ParseLunarNode(std::string_view text);

}  // namespace tamovid
