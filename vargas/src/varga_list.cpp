#include <algorithm>
#include <cctype>

#include "tamovid/vargas/varga.h"

namespace tamovid {
namespace {

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string ChoiceText() {
    std::string text = "choose all or any of ";
    for (const VargaRule& rule : kVargaRules) {
        if (rule.varga != Varga::kD1) text += ", ";
        text += rule.key;
    }
    text += ", joined by commas";
    return text;
}

Failure<std::string> Refused(std::string what) {
    return Failure{std::move(what) + ": " + ChoiceText()};
}

}  // namespace

Result<std::vector<Varga>, std::string> ParseVargaList(std::string_view text) {
    const std::string_view whole = Trimmed(text);
    if (whole.empty()) return Refused("no divisional chart named");
    std::vector<Varga> chosen;
    if (SameLetters(whole, "all")) {
        for (const VargaRule& rule : kVargaRules) chosen.push_back(rule.varga);
        return chosen;
    }
    std::size_t from = 0;
    while (from <= text.size()) {
        const std::size_t comma = std::min(text.find(',', from), text.size());
        const std::string_view item = Trimmed(text.substr(from, comma - from));
        from = comma + 1;
        if (item.empty()) return Refused("an empty name in \"" + std::string(text) + "\"");
        const VargaRule* found = nullptr;
        for (const VargaRule& rule : kVargaRules) {
            if (SameLetters(item, rule.key)) found = &rule;
        }
        if (found == nullptr) {
            return Refused("unknown divisional chart \"" + std::string(item) + "\"");
        }
        for (Varga earlier : chosen) {
            if (earlier == found->varga) {
                return Refused(std::string(found->key) + " is named twice");
            }
        }
        chosen.push_back(found->varga);
    }
    return chosen;
}

}  // namespace tamovid
