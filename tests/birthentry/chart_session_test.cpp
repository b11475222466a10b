#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tamovid/birthentry/chart_session.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/chartfile/text_shift.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid {
namespace {

// A setting changed while a chart is shown recalculates that chart, never the refused entry
// typed after it, and only the engine and options change.
TEST(ChartSessionRecalculate, RepeatsTheLastGoodEntryWithTheNewEngine) {
    ChartSession session;
    session.Recalculate(OptionsFor(Engine::kPrecise));
    EXPECT_FALSE(session.calculated());

    session.Calculate(testing_support::BirthOf(testing_support::Delhi1947()));
    const Reading classic = session.reading();
    BirthEntry refused = testing_support::Pune1975();
    refused.txtName.clear();
    ASSERT_FALSE(ReadBirth(refused, session.birth()).ok());

    const ChartOptions raman =
        OptionsFor(Engine::kPrecise, AyanamsaChoice::kRaman, LunarNode::kTrue);
    session.Recalculate(raman);
    EXPECT_EQ(session.reading().record.strName, classic.record.strName);
    EXPECT_EQ(session.reading().record.intYear, classic.record.intYear);
    EXPECT_EQ(session.reading().options.engine, Engine::kPrecise);
    EXPECT_EQ(session.reading().options, raman);
    EXPECT_NE(session.reading().ascendant.minutes + 60 * session.reading().ascendant.degrees,
              classic.ascendant.minutes + 60 * classic.ascendant.degrees);
}

TEST(ChartSession, SavesTheReadingsOptionsAndAnUnknownOneOpensWithANotice) {
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / "options-round-trip.vug";
    ChartSession session;
    const ChartOptions raman =
        OptionsFor(Engine::kPrecise, AyanamsaChoice::kRaman, LunarNode::kTrue);
    session.Calculate(testing_support::BirthOf(testing_support::Delhi1947()), raman);
    ASSERT_TRUE(session.Save(path).ok());

    // The engine comes back too, whatever the program's own choice.
    auto opened = ChartSession::Open(path);
    ASSERT_TRUE(opened.ok()) << opened.error().message;
    EXPECT_EQ(opened.value().notice, "");
    EXPECT_EQ(opened.value().OptionsOver({}), raman);

    const ChartOptions krishnamurti = OptionsFor(Engine::kClassic, AyanamsaChoice::kKrishnamurti);
    std::ofstream(path, std::ios::binary | std::ios::app)
        << ScrambleText("ayanamsa=galactic") << "\r\n";
    opened = ChartSession::Open(path, krishnamurti);
    ASSERT_TRUE(opened.ok()) << opened.error().message;
    EXPECT_EQ(opened.value().notice,
              "The file \"" + path.string() +
                  "\" is damaged after its first 17 lines: the ayanamsa line (line 21) repeats an "
                  "earlier one; the chart uses Krishnamurti.");
    // The engine and node still come from the file; the ayanamsa is the program's.
    EXPECT_EQ(opened.value().OptionsOver(krishnamurti),
              (OptionsFor(Engine::kPrecise, AyanamsaChoice::kKrishnamurti, LunarNode::kTrue)));

    // A file naming an ayanamsa but no engine (as older ones did) says the classic engine
    // will not use it.
    ChartOptions classicRaman = raman;
    classicRaman.engine = Engine::kClassic;
    ASSERT_TRUE(SaveChart(path, session.reading().record, 3, {}, classicRaman).ok());
    std::ofstream(path, std::ios::binary | std::ios::app)
        << ScrambleText("ayanamsa=raman") << "\r\n";
    opened = ChartSession::Open(path);
    ASSERT_TRUE(opened.ok()) << opened.error().message;
    EXPECT_EQ(opened.value().notice, "The file \"" + path.string() +
                                         "\" names the Raman ayanamsa, which the classic engine "
                                         "does not use.");
    std::filesystem::remove(path);
}

// A chart whose zone list had nothing chosen used the blank chart's offset (none) but was
// saved under the first row (Alaska/Hawaii, -9:00): reopened, it was another birth.
TEST(ChartSession, SavesTheZoneItCalculatedWith) {
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / "no-zone-chosen.vug";
    BirthEntry entry = testing_support::Delhi1947();
    entry.cboTimeZone = -1;
    ChartSession session;
    session.Calculate(ReadBirth(entry, session.birth()).value());
    ASSERT_TRUE(session.Save(path).ok());
    const auto opened = ChartSession::Open(path);
    ASSERT_TRUE(opened.ok()) << opened.error().message;
    EXPECT_EQ(RecordOf(opened.value().birth.value()), session.reading().record);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace tamovid
