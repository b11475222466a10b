#include <gtest/gtest.h>

#include <vector>

#include "tamovid/grahas/conjunction_note.h"

namespace tamovid {
namespace {

std::vector<GrahaPosition> Grahas(std::initializer_list<double> longitudes) {
    std::vector<GrahaPosition> grahas;
    int i = 0;
    for (const double l : longitudes) grahas.push_back({static_cast<Graha>(i++), l, 1.0, false});
    return grahas;
}

TEST(ConjunctionNotes, ListsTheGrahasInEachPointsSignWithTheirDistance) {
    // Sun 5 Leo, Moon 29.5 Leo, Mars 0 Vir (next sign), the rest far away.
    const auto grahas = Grahas({125, 149.5, 150, 200, 210, 220, 230, 10, 190});
    const std::array<double, 5> points{128.0, 359.9, 0.1, 215.0, 95.0};
    const auto notes = ConjunctionNotes(points, grahas, /*ascendant=*/355.0);

    EXPECT_EQ(notes[0].sign, 4);
    EXPECT_EQ(notes[0].mates, (std::vector<SignMate>{{Graha::kSun, 3.0}, {Graha::kMoon, 21.5}}));
    EXPECT_TRUE(notes[0].withSun && notes[0].withMoon && !notes[0].withAscendant);

    // The end of Pisces and the start of Aries are different signs.
    EXPECT_TRUE(notes[1].withAscendant);
    EXPECT_TRUE(notes[1].mates.empty());
    EXPECT_EQ(notes[2].mates, (std::vector<SignMate>{{Graha::kRahu, 9.9}}));
    EXPECT_FALSE(notes[2].Afflicted());

    ASSERT_EQ(notes[3].mates.size(), 3u);  // Jupiter, Venus and Saturn in Scorpio
    EXPECT_NEAR(notes[3].mates[0].distance, 5.0, 1e-12);
    EXPECT_FALSE(notes[4].Afflicted());
}

TEST(AfflictionText, NamesWhatThePointSharesItsSignWith) {
    PointNote note;
    EXPECT_EQ(AfflictionText("Dhuma", note), "");
    note.withAscendant = true;
    EXPECT_EQ(AfflictionText("Chapa", note), "Chapa shares its sign with the Ascendant.");
    note.withSun = note.withMoon = true;
    EXPECT_EQ(AfflictionText("Dhuma", note),
              "Dhuma shares its sign with the Sun, the Moon and the Ascendant.");
}

}  // namespace
}  // namespace tamovid
