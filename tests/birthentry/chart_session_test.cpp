#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tamovid/birthentry/chart_session.h"
#include "tamovid/chartfile/text_shift.h"
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

TEST(ChartSession, SavesTheReadingsOptionsAndAnUnknownOneOpensWithANotice) {
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / "options-round-trip.vug";
    ChartSession session;
    const ChartOptions raman{AyanamsaChoice::kRaman, LunarNode::kTrue};
    ASSERT_TRUE(session.Calculate(testing_support::Delhi1947(), Engine::kPrecise, raman).ok());
    ASSERT_TRUE(session.Save(path).ok());

    auto opened = ChartSession::Open(path);
    ASSERT_TRUE(opened.ok()) << opened.error().message;
    EXPECT_EQ(opened.value().notice, "");
    EXPECT_EQ(opened.value().OptionsOver({}), raman);

    std::ofstream(path, std::ios::binary | std::ios::app)
        << ScrambleText("ayanamsa=galactic") << "\r\n";
    opened = ChartSession::Open(path);
    ASSERT_TRUE(opened.ok()) << opened.error().message;
    EXPECT_EQ(opened.value().notice,
              "The file \"" + path.string() +
                  "\" gives an ayanamsa that cannot be used (line 20 repeats a setting of an "
                  "earlier line); the chart uses the ayanamsa chosen in the program.");
    // The node still comes from the file; the ayanamsa is the program's.
    EXPECT_EQ(opened.value().OptionsOver({AyanamsaChoice::kKrishnamurti, LunarNode::kMean}),
              (ChartOptions{AyanamsaChoice::kKrishnamurti, LunarNode::kTrue}));
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace tamovid
