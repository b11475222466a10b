#include "tamovid/choices/chart_options.h"

#include <cstddef>

#include "tamovid/choices/table_rows.h"

namespace tamovid {

static_assert(RowsInEnumOrder(kAyanamsaNames, &AyanamsaName::ayanamsa));
static_assert(RowsInEnumOrder(kLunarNodeNames, &LunarNodeName::node));

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
    return FindByKey(kAyanamsaNames, text, &AyanamsaName::ayanamsa, &AyanamsaName::key,
                     &AyanamsaName::name);
}

std::optional<LunarNode> ParseLunarNode(std::string_view text) {
    return FindByKey(kLunarNodeNames, text, &LunarNodeName::node, &LunarNodeName::key);
}

}  // namespace tamovid
