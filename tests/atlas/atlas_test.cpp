#include "tamovid/atlas/atlas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace tamovid::atlas {
namespace {

std::string FileBytes() {
    std::ifstream in(TAMOVID_ATLAS_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const Atlas& TheAtlas() {
    static const Atlas atlas = [] {
        auto loaded = Atlas::Load(TAMOVID_ATLAS_FILE);
        if (!loaded.ok()) {
            ADD_FAILURE() << loaded.error().message;
            std::abort();
        }
        return std::move(loaded).value();
    }();
    return atlas;
}

struct SearchCase {
    const char* name;
    const char* query;
    const char* expected;  ///< DisplayName of a match
    std::size_t within;    ///< among the first this many (1: the best match)
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.query; }

class AtlasSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(AtlasSearch, BestMatch) {
    const SearchCase& c = GetParam();
    const std::vector<Place> found = TheAtlas().Search(c.query, c.within);
    std::vector<std::string> names;
    for (const Place& p : found) names.push_back(DisplayName(p));
    EXPECT_THAT(names, ::testing::Contains(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Places, AtlasSearch,
    ::testing::Values(
        SearchCase{"AccentsAndCaseDoNotMatter", "sao paulo", "São Paulo, São Paulo, Brazil", 1},
        SearchCase{"BombayByItsOldName", "Bombay", "Mumbai, Maharashtra, India", 3},
        SearchCase{"CalcuttaByItsOldName", "calcutta", "Kolkata, West Bengal, India", 3},
        SearchCase{"MadrasByItsOldName", "Madras", "Chennai, Tamil Nadu, India", 3},
        SearchCase{"PoonaByItsOldName", "Poona", "Pune, Maharashtra, India", 3},
        SearchCase{"PekingByItsOldName", "Peking", "Beijing, Beijing, China", 1},
        SearchCase{"ExactNameBeforePrefix", "Pune", "Pune, Maharashtra, India", 1},
        SearchCase{"PrefixMostPopulousFirst", "Pun", "Pune, Maharashtra, India", 1},
        SearchCase{"StateNarrowsTheCountry", "Paris, Texas", "Paris, Texas, United States", 1},
        SearchCase{"CountryByIsoCode", "London, CA", "London, Ontario, Canada", 1},
        SearchCase{"CountryByCommonName", "La Paz, Bolivia", "La Paz, La Paz Department, Bolivia",
                   1},
        SearchCase{"StateAndCountry", "Springfield, Illinois, US",
                   "Springfield, Illinois, United States", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AtlasSearchRules, EveryPlaceOfTheListIsKept) { EXPECT_EQ(TheAtlas().PlaceCount(), 199568u); }

TEST(AtlasSearchRules, CoordinatesAreRoundedToTheArcMinute) {
    const Place pune = TheAtlas().Search("Pune, India", 1).at(0);
    EXPECT_EQ(pune.latitudeMinutes, 18 * 60 + 31);
    EXPECT_EQ(pune.longitudeMinutes, 73 * 60 + 51);
    EXPECT_EQ(pune.zone, "Asia/Kolkata");
}

TEST(AtlasSearchRules, EqualNamesComeBeforePrefixesAndEachPlaceOnce) {
    const std::vector<Place> found = TheAtlas().Search("paris", 20);
    ASSERT_EQ(found.size(), 20u);
    EXPECT_EQ(found.front().countryCode, "FR");
    std::set<std::string> seen;
    bool prefixSeen = false;
    for (const Place& p : found) {
        EXPECT_TRUE(seen.insert(DisplayName(p) + p.zone + std::to_string(p.latitudeMinutes)).second)
            << DisplayName(p);
        const bool equal = p.asciiName == "Paris";
        if (!equal) prefixSeen = true;
        // Among alternate-name and prefix matches order is by population; only check
        // that no place called Paris follows a prefix match.
        if (prefixSeen && p.name == "Paris") ADD_FAILURE() << "equal name after a prefix";
    }
}

TEST(AtlasSearchRules, NothingForAnEmptyQueryOrNoMatch) {
    EXPECT_TRUE(TheAtlas().Search("", 5).empty());
    EXPECT_TRUE(TheAtlas().Search(" , India", 5).empty());
    EXPECT_TRUE(TheAtlas().Search("Xqzzyv", 5).empty());
    EXPECT_TRUE(TheAtlas().Search("Pune", 0).empty());
}

TEST(AtlasFile, DamagedFileIsRefusedWithAMessage) {
    const std::string good = FileBytes();
    ASSERT_GT(good.size(), 1000u);
    std::string flipped = good;
    flipped[good.size() / 2] ^= 0x40;
    std::string wrongVersion = good;
    wrongVersion[8] = 9;
    const std::string cases[] = {
        "",      "TMVATLAS",   good.substr(0, good.size() / 2),
        flipped, wrongVersion, std::string(good.size(), 'x'),
    };
    for (const std::string& bytes : cases) {
        auto result = Atlas::FromBytes(bytes);
        ASSERT_FALSE(result.ok()) << bytes.size();
        EXPECT_NE(result.error().message.find("type the coordinates"), std::string::npos);
    }
}

TEST(AtlasFile, MissingFileNamesThePath) {
    auto result = Atlas::Load("/nonexistent/places.atlas");
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().message.find("\"/nonexistent/places.atlas\""), std::string::npos);
}

TEST(AtlasFile, InstalledLayoutIsLookedForFirst) {
    const auto candidates = AtlasCandidates("/opt/tamovid/bin");
    ASSERT_GE(candidates.size(), 2u);
    EXPECT_EQ(candidates.front(),
              std::filesystem::path("/opt/tamovid/bin/../share/tamovid/places.atlas"));
    EXPECT_EQ(candidates.back(), std::filesystem::path(TAMOVID_ATLAS_FILE));
}

}  // namespace
}  // namespace tamovid::atlas
