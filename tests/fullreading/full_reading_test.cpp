#include <gtest/gtest.h>

#include "tamovid/fullreading/full_reading.h"
#include "tamovid/fullreading/reading_texts.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid {
namespace {

// A view opened later gets the parts it asks for; a new chart keeps none of the last one's.
TEST(ShownReadingTest, ComputesPartsOnDemandAndForgetsThemWithTheNextChart) {
    ChartSession session;
    session.Calculate(testing_support::BirthOf(testing_support::Delhi1947()));
    ShownReading shown;
    shown.Reset(session);
    EXPECT_FALSE(shown.Current().grahas.has_value());
    EXPECT_FALSE(shown.Current().timeWindow.has_value());

    const FullReading& full = shown.With(session, kEveryPart);
    ASSERT_TRUE(full.grahas.has_value());
    ASSERT_TRUE(full.timeWindow.has_value());
    // The window holds the nine grahas and the six when the reading has them.
    EXPECT_EQ(full.timeWindow->bodies.size(),
              ComputeFullReading(session, {.timeWindow = true}).timeWindow->bodies.size() +
                  kGrahaCount + upagrahas::kUpagrahaCount);

    session.Calculate(testing_support::BirthOf(testing_support::Pune1975()));
    shown.Reset(session);
    EXPECT_EQ(shown.Current().reading.record.strCity, session.reading().record.strCity);
    EXPECT_FALSE(shown.Current().grahas.has_value());
}

// The divisional charts and the dasha need the grahas but do not bring them into outputs
// that did not ask for them; each body's Rasi sign is its sign in the graha table.
TEST(FullReadingTest, VargasAndDashaComeWithoutTheGrahaPart) {
    ChartSession session;
    session.Calculate(testing_support::BirthOf(testing_support::Delhi1947()));
    const FullReading full = ComputeFullReading(session, {.vargas = true, .dasha = true});
    EXPECT_FALSE(full.grahas.has_value());
    ASSERT_TRUE(full.vargas.has_value());
    ASSERT_TRUE(full.dasha.has_value());
    const GrahaTable table = ComputeGrahaTable(session.reading());
    ASSERT_EQ(full.vargas->size(), kGrahaTableRows);
    for (std::size_t r = 0; r < kGrahaTableRows; ++r) {
        EXPECT_EQ((*full.vargas)[r].name, table.rows[r].name);
        EXPECT_EQ((*full.vargas)[r].signs[VargaIndex(Varga::kD1)], table.rows[r].position.sign);
    }
    EXPECT_EQ(GrahaNameOf(full.dasha->maha[0].period.lord), "Saturn");
    EXPECT_FALSE(ComputeFullReading(session, {.grahas = true}).dasha.has_value());
}

// The six are placed from the chart's own Ascendant, carry their sign mates only beside
// the grahas, and reach a chart of any division as plain names and longitudes.
TEST(FullReadingTest, PlacesTheSixWithTheChartAndNamesThemForOtherCharts) {
    ChartSession session;
    session.Calculate(testing_support::BirthOf(testing_support::Pune1975()));
    EXPECT_FALSE(ComputeFullReading(session, {.grahas = true}).upagrahas.has_value());

    const FullReading alone = ComputeFullReading(session, {.upagrahas = true});
    ASSERT_TRUE(alone.upagrahas.has_value());
    ASSERT_TRUE(alone.upagrahas->placed.ok());
    EXPECT_FALSE(alone.upagrahas->notes.has_value());
    // 3 December 1975 was a Wednesday; 10:30 at Pune is in the day.
    EXPECT_EQ(UpagrahaDayText(alone.reading, *alone.upagrahas).substr(0, 25),
              "Wednesday, a day birth; s");

    const FullReading full = ComputeFullReading(session, {.grahas = true, .upagrahas = true});
    ASSERT_TRUE(full.upagrahas->notes.has_value());
    const std::vector<NamedLongitude> points = UpagrahaLongitudes(*full.upagrahas);
    ASSERT_EQ(points.size(), upagrahas::kUpagrahaCount);
    EXPECT_EQ(points[4].name, "Gulika");
    EXPECT_EQ(points[4].label, "Gk");
    EXPECT_DOUBLE_EQ(points[4].longitude, full.upagrahas->placed.value()[upagrahas::Upagraha::kGulika].longitude);
    EXPECT_EQ((*full.upagrahas->notes)[4].sign, full.upagrahas->placed.value().places[4].position.sign);
}

}  // namespace
}  // namespace tamovid
