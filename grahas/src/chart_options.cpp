#include "tamovid/grahas/chart_options.h"

#include <cstddef>

namespace tamovid {
namespace {

char Folded(char c) {
    if (c == ' ' || c == '_') return '-';
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c;
}

/// Equal after folding case and treating blank, hyphen and underscore as one.
bool SameName(std::string_view text, std::string_view key) {
    if (text.size() != key.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Folded(text[i]) != Folded(key[i])) return false;
    }
    return true;
}

}  // namespace

std::string_view AyanamsaKey(AyanamsaChoice ayanamsa) {
    return kAyanamsaNames[static_cast<std::size_t>(ayanamsa)].key;
}

std::string_view AyanamsaDisplayName(AyanamsaChoice ayanamsa) {
    return kAyanamsaNames[static_cast<std::size_t>(ayanamsa)].name;
}

std::string_view LunarNodeKey(LunarNode node) {
    return kLunarNodeNames[static_cast<std::size_t>(node)].key;
}

std::optional<AyanamsaChoice> ParseAyanamsa(std::string_view text) {
    for (const AyanamsaName& entry : kAyanamsaNames) {
        if (SameName(text, entry.key)) return entry.ayanamsa;
    }
    return std::nullopt;
}

std::optional<LunarNode> ParseLunarNode(std::string_view text) {
    for (const LunarNodeName& entry : kLunarNodeNames) {
        if (SameName(text, entry.key)) return entry.node;
    }
    return std::nullopt;
}

}  // namespace tamovid

namespace tamovid {
namespace {

// The tables are indexed by the enumerations: their rows must keep enum order.
constexpr bool RowsInEnumOrder() {
    for (std::size_t i = 0; i < kAyanamsaNames.size(); ++i) {
        if (static_cast<std::size_t>(kAyanamsaNames[i].ayanamsa) != i) return false;
    }
    for (std::size_t i = 0; i < kLunarNodeNames.size(); ++i) {
        if (static_cast<std::size_t>(kLunarNodeNames[i].node) != i) return false;
    }
    return true;
}
static_assert(RowsInEnumOrder());

}  // namespace
}  // namespace tamovid
