#include "tamovid/choices/upagraha_options.h"

#include "tamovid/choices/table_rows.h"

namespace tamovid::upagrahas {
static_assert(RowsInEnumOrder(kUpagrahaNames, &UpagrahaName::upagraha));
static_assert(RowsInEnumOrder(kSunriseRuleKeys, &SunriseRuleKey::rule));
static_assert(RowsInEnumOrder(kLordRuleKeys, &LordRuleKey::rule));
static_assert(RowsInEnumOrder(kPortionPointKeys, &PortionPointKey::point));

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
    return FindByKey(kSunriseRuleKeys, text, &SunriseRuleKey::rule, &SunriseRuleKey::key);
}
std::optional<LordRule> ParseLordRule(std::string_view text) {
    return FindByKey(kLordRuleKeys, text, &LordRuleKey::rule, &LordRuleKey::key);
}
std::optional<PortionPoint> ParsePortionPoint(std::string_view text) {
    return FindByKey(kPortionPointKeys, text, &PortionPointKey::point, &PortionPointKey::key);
}
std::optional<Upagraha> ParseUpagraha(std::string_view text) {
    return FindByKey(kUpagrahaNames, text, &UpagrahaName::upagraha, &UpagrahaName::name);
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
