#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tamovid/vargas/varga.h"

namespace tamovid {
namespace {

std::string Keys(const std::vector<Varga>& vargas) {
    std::string keys;
    for (Varga v : vargas) keys += (keys.empty() ? "" : ",") + std::string(RuleOf(v).key);
    return keys;
}

TEST(VargaRules, OfferTheRasiAndTheNavamsaFirstThenTheRestByNumber) {
    std::string names;
    for (const VargaRule& rule : kVargaRules) {
        names += std::string(rule.key) + " " + std::string(rule.name) + "; ";
    }
    EXPECT_EQ(names,
              "D1 Rasi; D9 Navamsa; D2 Hora; D3 Drekkana; D4 Chaturthamsa; D7 Saptamsa; "
              "D10 Dasamsa; D12 Dwadasamsa; D16 Shodasamsa; D20 Vimsamsa; D24 Chaturvimsamsa; "
              "D27 Saptavimsamsa; D30 Trimsamsa; D40 Khavedamsa; D45 Akshavedamsa; "
              "D60 Shashtiamsa; ");
}

struct ListCase {
    const char* label;
    const char* text;
    const char* keys;     // what is chosen, or empty when refused
    const char* refusal;  // the start of the message when refused
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.label; }

class VargaList : public testing::TestWithParam<ListCase> {};

TEST_P(VargaList, ChoosesOrRefuses) {
    const ListCase& c = GetParam();
    const auto parsed = ParseVargaList(c.text);
    if (*c.keys != '\0') {
        ASSERT_TRUE(parsed.ok()) << parsed.error();
        EXPECT_EQ(Keys(parsed.value()), c.keys);
        return;
    }
    ASSERT_FALSE(parsed.ok());
    EXPECT_EQ(parsed.error().substr(0, std::string(c.refusal).size()), c.refusal);
    // Every refusal tells what would have been taken.
    EXPECT_NE(parsed.error().find("choose all or any of D1, D9, D2, D3"), std::string::npos);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, VargaList, testing::Values(
    ListCase{"AllInOfferedOrder", "all",
             "D1,D9,D2,D3,D4,D7,D10,D12,D16,D20,D24,D27,D30,D40,D45,D60", ""},
    ListCase{"KeysKeepTheirOrder", "D60,D9,D10", "D60,D9,D10", ""},
    ListCase{"LetterInEitherCaseAndBlanksAround", " d9 , D3\t", "D9,D3", ""},
    ListCase{"UnknownKey", "D9,D5", "", "unknown divisional chart \"D5\""},
    ListCase{"AllMixedWithKeys", "all,D9", "", "unknown divisional chart \"all\""},
    ListCase{"EmptyItem", "D9,,D10", "", "an empty name in \"D9,,D10\""},
    ListCase{"TrailingComma", "D9,", "", "an empty name in \"D9,\""},
    ListCase{"Nothing", "  ", "", "no divisional chart named"},
    ListCase{"NamedTwice", "D9,d9", "", "D9 is named twice"}),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.label); });
// clang-format on

}  // namespace
}  // namespace tamovid
