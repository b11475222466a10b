#include <gtest/gtest.h>

#include <string>

#include "tamovid/birthentry/chart_session.h"
#include "tamovid/birthentry/graha_table.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid {
namespace {

struct PinnedRow {
    const char* name;
    const char* label;
    const char* position;  // compact text
    const char* nakshatra;
    int pada;
    int house;
    bool retrograde;
};

// 15 August 1947, 00:00 IST, New Delhi, precise engine, Lahiri, mean node. The nine
// grahas are the precise engine's reference chart (VSOP87/ELP less ERFA's Lahiri
// ayanamsa, computed without the ephemeris library); the Ascendant is the engine's own
// and the points follow from the Sun.
constexpr PinnedRow kDelhi1947[kGrahaTableRows] = {
    {"Ascendant", "As", "07 Tau 45", "Krittika", 4, 1, false},
    {"Sun", "Su", "27 Can 59", "Ashlesha", 4, 3, false},
    {"Moon", "Mo", "03 Can 59", "Pushya", 1, 3, false},
    {"Mars", "Ma", "07 Gem 27", "Ardra", 1, 2, false},
    {"Mercury", "Me", "13 Can 40", "Pushya", 4, 3, false},
    {"Jupiter", "Ju", "25 Lib 52", "Vishakha", 2, 6, false},
    {"Venus", "Ve", "22 Can 33", "Ashlesha", 2, 3, false},
    {"Saturn", "Sa", "20 Can 28", "Ashlesha", 2, 3, false},
    {"Rahu", "Ra", "05 Tau 04", "Krittika", 3, 1, true},
    {"Ketu", "Ke", "05 Sco 04", "Anuradha", 1, 7, true},
    {"Dhuma", "Dh", "11 Sag 19", "Mula", 4, 8, false},
    {"Vyatipata", "Vy", "18 Can 41", "Ashlesha", 1, 3, false},
    {"Parivesha", "Pa", "18 Cap 41", "Shravana", 3, 9, false},
    {"Chapa", "Ch", "11 Gem 19", "Ardra", 2, 2, false},
    {"Upaketu", "Up", "27 Gem 59", "Punarvasu", 3, 2, false},
};

TEST(GrahaTable, PinsTheDelhi1947ChartRowByRow) {
    ChartSession session;
    session.Calculate(testing_support::BirthOf(testing_support::Delhi1947()),
                      OptionsFor(Engine::kPrecise));
    const GrahaTable table = ComputeGrahaTable(session.reading());
    for (std::size_t r = 0; r < kGrahaTableRows; ++r) {
        const PinnedRow& pinned = kDelhi1947[r];
        const GrahaRow& row = table.rows[r];
        SCOPED_TRACE(pinned.name);
        EXPECT_EQ(row.name, pinned.name);
        EXPECT_EQ(row.label, pinned.label);
        EXPECT_EQ(CompactText(row.position), pinned.position);
        EXPECT_EQ(row.nakshatra.name, pinned.nakshatra);
        EXPECT_EQ(row.nakshatra.pada, pinned.pada);
        EXPECT_EQ(row.house, pinned.house);
        EXPECT_EQ(row.retrograde, pinned.retrograde);
    }
    EXPECT_EQ(table.ayanamsaName, "Lahiri");
    // Vyatipata shares Cancer with the Sun, the Moon, Mercury, Venus and Saturn.
    const PointNote& vyatipata = table.notes[kVyatipata];
    EXPECT_TRUE(vyatipata.withSun && vyatipata.withMoon && !vyatipata.withAscendant);
    EXPECT_EQ(vyatipata.mates.size(), 5U);
}

}  // namespace
}  // namespace tamovid
