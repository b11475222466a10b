#include <gtest/gtest.h>

#include "tamovid/fullreading/full_reading.h"
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
    // The window holds the nine grahas when the reading has them.
    EXPECT_EQ(full.timeWindow->bodies.size(),
              ComputeFullReading(session, {.timeWindow = true}).timeWindow->bodies.size() + kGrahaCount);

    session.Calculate(testing_support::BirthOf(testing_support::Pune1975()));
    shown.Reset(session);
    EXPECT_EQ(shown.Current().reading.record.strCity, session.reading().record.strCity);
    EXPECT_FALSE(shown.Current().grahas.has_value());
}

}  // namespace
}  // namespace tamovid
