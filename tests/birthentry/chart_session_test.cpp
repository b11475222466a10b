#include <gtest/gtest.h>

#include "tamovid/birthentry/chart_session.h"
#include "tamovid/test_support/sample_entries.h"

namespace tamovid {
namespace {

// A setting changed while a chart is shown recalculates that chart, never the refused entry
// typed after it, and only the engine and options change.
TEST(ChartSessionRecalculate, RepeatsTheLastGoodEntryWithTheNewEngine) {
    ChartSession session;
    EXPECT_TRUE(session.Recalculate(Engine::kPrecise, {}).ok());
    EXPECT_FALSE(session.calculated());

    ASSERT_TRUE(session.Calculate(testing_support::Delhi1947()).ok());
    const Reading classic = session.reading();
    BirthEntry refused = testing_support::Pune1975();
    refused.txtName.clear();
    ASSERT_FALSE(session.Calculate(refused).ok());

    const ChartOptions raman{AyanamsaChoice::kRaman, LunarNode::kTrue};
    ASSERT_TRUE(session.Recalculate(Engine::kPrecise, raman).ok());
    EXPECT_EQ(session.reading().record.strName, classic.record.strName);
    EXPECT_EQ(session.reading().record.intYear, classic.record.intYear);
    EXPECT_EQ(session.reading().engine, Engine::kPrecise);
    EXPECT_EQ(session.reading().options, raman);
    EXPECT_NE(session.reading().ascendant.minutes + 60 * session.reading().ascendant.degrees,
              classic.ascendant.minutes + 60 * classic.ascendant.degrees);
}

}  // namespace
}  // namespace tamovid
