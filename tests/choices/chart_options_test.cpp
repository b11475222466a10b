#include <gtest/gtest.h>

#include <string>

#include "tamovid/choices/chart_options.h"

namespace tamovid {
namespace {

TEST(ParseAyanamsa, ReadsBackEveryKeyAndName) {
    for (const AyanamsaName& entry : kAyanamsaNames) {
        EXPECT_EQ(ParseAyanamsa(AyanamsaKey(entry.ayanamsa)), entry.ayanamsa) << entry.key;
        EXPECT_EQ(ParseAyanamsa(AyanamsaDisplayName(entry.ayanamsa)), entry.ayanamsa) << entry.name;
    }
    EXPECT_EQ(ParseAyanamsa("TRUE_PUSHYA"), AyanamsaChoice::kTruePushya);
}

TEST(ParseAyanamsa, RefusesUnknownAndPartialNames) {
    for (const char* text : {"", "lahir", "lahiri ", "fagan", "true", "chitra"}) {
        EXPECT_EQ(ParseAyanamsa(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(ParseLunarNode, ReadsMeanAndTrueOnly) {
    EXPECT_EQ(ParseLunarNode("mean"), LunarNode::kMean);
    EXPECT_EQ(ParseLunarNode("True"), LunarNode::kTrue);
    EXPECT_EQ(ParseLunarNode("osculating"), std::nullopt);
    EXPECT_EQ(LunarNodeKey(LunarNode::kTrue), "true");
}

TEST(ChartOptions, DefaultIsLahiriWithTheMeanNode) {
    EXPECT_EQ(ChartOptions{},
              (OptionsFor(Engine::kClassic, AyanamsaChoice::kLahiri, LunarNode::kMean)));
}

}  // namespace
}  // namespace tamovid
