#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "tamovid/grahas/nakshatra.h"
#include "tamovid/positions/tables.h"
#include "tamovid/vargas/varga.h"

namespace tamovid {
namespace {

// "Ari Tau ..." as sign indices.
std::vector<int> Signs(const char* abbreviations) {
    std::vector<int> signs;
    std::istringstream in(abbreviations);
    for (std::string word; in >> word;) signs.push_back(SignIndex(word));
    return signs;
}

std::string Abbr(int sign) {
    return sign < 0 ? "none" : std::string(strSignAbbr[static_cast<std::size_t>(sign)]);
}

// The signs of a chart's first two parts in each of the twelve signs, Aries to Pisces,
// worked out by hand from the rules; every later part moves on as the second did.
struct EqualPartsCase {
    const char* label;
    Varga varga;
    const char* firsts;
    const char* seconds;  // empty for the Rasi's one part
};

void PrintTo(const EqualPartsCase& c, std::ostream* os) { *os << c.label; }

// The sign of part `part` of sign `sign`, from the case's table.
int Expected(const EqualPartsCase& c, int sign, int part) {
    const int first = Signs(c.firsts)[static_cast<std::size_t>(sign)];
    if (part == 0) return first;
    const int step = Signs(c.seconds)[static_cast<std::size_t>(sign)] - first;
    return ((first + step * part) % 12 + 12) % 12;
}

constexpr double kJustBelow = 1e-6;  // degrees, 0.0036": far beyond the boundary tolerance

class EqualParts : public testing::TestWithParam<EqualPartsCase> {};

// Every boundary of the chart in every sign (odd and even, movable, fixed and dual, all
// four elements), on it and just below it; the boundary at 0 Aries below is Pisces's end.
TEST_P(EqualParts, EveryBoundaryFromBothSides) {
    const EqualPartsCase& c = GetParam();
    const int parts = RuleOf(c.varga).parts;
    for (int sign = 0; sign < 12; ++sign) {
        for (int part = 0; part < parts; ++part) {
            const double boundary = sign * 30.0 + part * 30.0 / parts;
            const int before = part > 0 ? Expected(c, sign, part - 1)
                                        : Expected(c, (sign + 11) % 12, parts - 1);
            SCOPED_TRACE(Abbr(sign) + " part " + std::to_string(part));
            EXPECT_EQ(Abbr(VargaSign(c.varga, boundary)), Abbr(Expected(c, sign, part)));
            EXPECT_EQ(Abbr(VargaSign(c.varga, boundary - kJustBelow)), Abbr(before));
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, EqualParts, testing::Values(
    EqualPartsCase{"D1_RasiIsTheSignItself", Varga::kD1,
        "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis", ""},
    EqualPartsCase{"D2_OddLeoThenCancer_EvenCancerThenLeo", Varga::kD2,
        "Leo Can Leo Can Leo Can Leo Can Leo Can Leo Can",
        "Can Leo Can Leo Can Leo Can Leo Can Leo Can Leo"},
    EqualPartsCase{"D3_SignThenFifthThenNinth", Varga::kD3,
        "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis",
        "Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau Gem Can"},
    EqualPartsCase{"D4_SignThenEachFourth", Varga::kD4,
        "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis",
        "Can Leo Vir Lib Sco Sag Cap Aqu Pis Ari Tau Gem"},
    EqualPartsCase{"D7_OddFromSign_EvenFromSeventh", Varga::kD7,
        "Ari Sco Gem Cap Leo Pis Lib Tau Sag Can Aqu Vir",
        "Tau Sag Can Aqu Vir Ari Sco Gem Cap Leo Pis Lib"},
    EqualPartsCase{"D9_MovableFromSign_FixedFromNinth_DualFromFifth", Varga::kD9,
        "Ari Cap Lib Can Ari Cap Lib Can Ari Cap Lib Can",
        "Tau Aqu Sco Leo Tau Aqu Sco Leo Tau Aqu Sco Leo"},
    EqualPartsCase{"D10_OddFromSign_EvenFromNinth", Varga::kD10,
        "Ari Cap Gem Pis Leo Tau Lib Can Sag Vir Aqu Sco",
        "Tau Aqu Can Ari Vir Gem Sco Leo Cap Lib Pis Sag"},
    EqualPartsCase{"D12_FromSign", Varga::kD12,
        "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis",
        "Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis Ari"},
    EqualPartsCase{"D16_MovableAries_FixedLeo_DualSagittarius", Varga::kD16,
        "Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag",
        "Tau Vir Cap Tau Vir Cap Tau Vir Cap Tau Vir Cap"},
    EqualPartsCase{"D20_MovableAries_FixedSagittarius_DualLeo", Varga::kD20,
        "Ari Sag Leo Ari Sag Leo Ari Sag Leo Ari Sag Leo",
        "Tau Cap Vir Tau Cap Vir Tau Cap Vir Tau Cap Vir"},
    EqualPartsCase{"D24_OddLeo_EvenCancer", Varga::kD24,
        "Leo Can Leo Can Leo Can Leo Can Leo Can Leo Can",
        "Vir Leo Vir Leo Vir Leo Vir Leo Vir Leo Vir Leo"},
    EqualPartsCase{"D27_FieryAries_EarthyCancer_AiryLibra_WateryCapricorn", Varga::kD27,
        "Ari Can Lib Cap Ari Can Lib Cap Ari Can Lib Cap",
        "Tau Leo Sco Aqu Tau Leo Sco Aqu Tau Leo Sco Aqu"},
    EqualPartsCase{"D40_OddAries_EvenLibra", Varga::kD40,
        "Ari Lib Ari Lib Ari Lib Ari Lib Ari Lib Ari Lib",
        "Tau Sco Tau Sco Tau Sco Tau Sco Tau Sco Tau Sco"},
    EqualPartsCase{"D45_MovableAries_FixedLeo_DualSagittarius", Varga::kD45,
        "Ari Leo Sag Ari Leo Sag Ari Leo Sag Ari Leo Sag",
        "Tau Vir Cap Tau Vir Cap Tau Vir Cap Tau Vir Cap"},
    EqualPartsCase{"D60_FromSign", Varga::kD60,
        "Ari Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis",
        "Tau Gem Can Leo Vir Lib Sco Sag Cap Aqu Pis Ari"}),
    [](const testing::TestParamInfo<EqualPartsCase>& info) { return std::string(info.param.label); });
// clang-format on

// The Trimsamsa's unequal parts: where each begins within the sign, and its sign.
struct TrimsamsaStart {
    int degree;
    const char* sign;
};
constexpr TrimsamsaStart kOddStarts[] = {
    {0, "Ari"}, {5, "Aqu"}, {10, "Sag"}, {18, "Gem"}, {25, "Lib"}};
constexpr TrimsamsaStart kEvenStarts[] = {
    {0, "Tau"}, {5, "Vir"}, {12, "Pis"}, {20, "Cap"}, {25, "Sco"}};

TEST(Trimsamsa, EveryBoundaryFromBothSidesInOddAndEvenSigns) {
    for (int sign = 0; sign < 12; ++sign) {
        const auto& starts = sign % 2 == 0 ? kOddStarts : kEvenStarts;
        const auto& previous = sign % 2 == 0 ? kEvenStarts : kOddStarts;  // the sign before
        for (std::size_t i = 0; i < 5; ++i) {
            const double boundary = sign * 30.0 + starts[i].degree;
            SCOPED_TRACE(Abbr(sign) + " " + std::to_string(starts[i].degree) + " deg");
            EXPECT_EQ(Abbr(VargaSign(Varga::kD30, boundary)), starts[i].sign);
            EXPECT_EQ(Abbr(VargaSign(Varga::kD30, boundary - kJustBelow)),
                      i > 0 ? starts[i - 1].sign : previous[4].sign);
        }
    }
}

// The ninth parts are the padas: on every boundary, however the longitude was written,
// the Navamsa must be the pada's.
TEST(Navamsa, AgreesWithThePadaOnEveryBoundary) {
    for (int pada = 0; pada < 108; ++pada) {
        const int degrees = pada * 10 / 3;
        const double written[] = {pada * 10.0 / 3, degrees + (pada * 200 % 60) / 60.0,
                                  pada * (3 + 20.0 / 60)};
        for (double longitude : written) {
            const NakshatraPada np = NakshatraOf(longitude);
            const int padaCount = np.index * 4 + np.pada - 1;
            SCOPED_TRACE("pada " + std::to_string(pada) + " at " + std::to_string(longitude));
            EXPECT_EQ(padaCount, pada);
            EXPECT_EQ(VargaSign(Varga::kD9, longitude), pada % 12);
        }
    }
}

TEST(VargaSign, TakesLongitudesRoundTheCircleAndRefusesNonFinite) {
    EXPECT_EQ(VargaSign(Varga::kD1, 360.0), 0);
    EXPECT_EQ(VargaSign(Varga::kD1, -1e-20), 0);  // rounds to 360 on the circle
    EXPECT_EQ(VargaSign(Varga::kD1, -0.5), 11);
    EXPECT_EQ(VargaSign(Varga::kD9, 720.0 + 3.5), 1);
    EXPECT_EQ(VargaSign(Varga::kD9, 360.0 - kJustBelow), 11);  // Pisces's last ninth
    EXPECT_EQ(VargaSign(Varga::kD9, std::nan("")), -1);
    EXPECT_EQ(VargaSign(Varga::kD9, std::numeric_limits<double>::infinity()), -1);
    EXPECT_EQ(AllVargaSigns(std::nan(""))[VargaIndex(Varga::kD9)], -1);
}

TEST(AllVargaSigns, AreTheSignsOneByOne) {
    for (double longitude : {0.0, 13.0 + 20.0 / 60, 141.7, 299.999, -15.25, 1000.0}) {
        const VargaSigns all = AllVargaSigns(longitude);
        for (const VargaRule& rule : kVargaRules) {
            EXPECT_EQ(all[VargaIndex(rule.varga)], VargaSign(rule.varga, longitude))
                << rule.key << " at " << longitude;
        }
    }
}

}  // namespace
}  // namespace tamovid
