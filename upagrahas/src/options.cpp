#include "tamovid/upagrahas/options.h"

namespace tamovid::upagrahas {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWord(std::string_view text, std::string_view key) {
    if (text.size() != key.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Lower(text[i]) != Lower(key[i])) return false;
    }
    return true;
}

template <typename Table, typename Key>
auto Find(const Table& table, std::string_view text, Key key)
    -> std::optional<decltype(key(table[0]).first)> {
    for (const auto& row : table) {
        const auto [value, word] = key(row);
        if (SameWord(text, word)) return value;
    }
    return std::nullopt;
}

// The tables are indexed by their enumerations: rows must keep enum order.
constexpr bool RowsInEnumOrder() {
    for (std::size_t i = 0; i < kUpagrahaNames.size(); ++i) {
        if (UpagrahaIndex(kUpagrahaNames[i].upagraha) != i) return false;
    }
    for (std::size_t i = 0; i < kSunriseRuleKeys.size(); ++i) {
        if (static_cast<std::size_t>(kSunriseRuleKeys[i].rule) != i) return false;
    }
    for (std::size_t i = 0; i < kLordRuleKeys.size(); ++i) {
        if (static_cast<std::size_t>(kLordRuleKeys[i].rule) != i) return false;
    }
    for (std::size_t i = 0; i < kPortionPointKeys.size(); ++i) {
        if (static_cast<std::size_t>(kPortionPointKeys[i].point) != i) return false;
    }
    return true;
}
static_assert(RowsInEnumOrder());

}  // namespace

const SunriseRuleKey& SunriseRuleRow(SunriseRule rule) {
    return kSunriseRuleKeys[static_cast<std::size_t>(rule)];
}
std::string_view SunriseRuleKeyOf(SunriseRule rule) { return SunriseRuleRow(rule).key; }
std::string_view LordRuleKeyOf(LordRule rule) {
    return kLordRuleKeys[static_cast<std::size_t>(rule)].key;
}
std::string_view PortionPointKeyOf(PortionPoint point) {
    return kPortionPointKeys[static_cast<std::size_t>(point)].key;
}

std::optional<SunriseRule> ParseSunriseRule(std::string_view text) {
    return Find(kSunriseRuleKeys, text, [](const SunriseRuleKey& r) {
        return std::pair{r.rule, r.key};
    });
}
std::optional<LordRule> ParseLordRule(std::string_view text) {
    return Find(kLordRuleKeys, text, [](const LordRuleKey& r) { return std::pair{r.rule, r.key}; });
}
std::optional<PortionPoint> ParsePortionPoint(std::string_view text) {
    return Find(kPortionPointKeys, text, [](const PortionPointKey& r) {
        return std::pair{r.point, r.key};
    });
}
std::optional<Upagraha> ParseUpagraha(std::string_view text) {
    return Find(kUpagrahaNames, text, [](const UpagrahaName& r) {
        return std::pair{r.upagraha, r.name};
    });
}

bool SetPointFromText(UpagrahaOptions& options, std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return false;
    const std::optional<Upagraha> which = ParseUpagraha(text.substr(0, equals));
    const std::optional<PortionPoint> point = ParsePortionPoint(text.substr(equals + 1));
    if (!which || !point) return false;
    options.at[UpagrahaIndex(*which)] = *point;
    return true;
}

std::string PointText(Upagraha u, PortionPoint point) {
    std::string text(UpagrahaNameOf(u));
    text += '=';
    text += PortionPointKeyOf(point);
    return text;
}

}  // namespace tamovid::upagrahas
