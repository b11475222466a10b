#include "tamovid/atlas/atlas.h"

#include <algorithm>

#include "atlas_data.h"
#include "qualifiers.h"
#include "tamovid/atlas/fold.h"

namespace tamovid::atlas {
namespace {

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> SplitParts(std::string_view query) {
    std::vector<std::string_view> parts;
    while (true) {
        const auto comma = query.find(',');
        parts.push_back(Trim(query.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        query.remove_prefix(comma + 1);
    }
    return parts;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

/// How well a place answers the query's state and country parts: 0 in a state the
/// qualifier names exactly or by its abbreviation, 1 in a country it names, 2 in a state
/// whose name it begins; kFails otherwise.
class PlaceFilter {
public:
    static constexpr std::uint8_t kFails = 0xFF;

    PlaceFilter(const AtlasData& d, const std::vector<std::string_view>& parts) : d_(d) {
        if (parts.size() < 2) return;
        const std::string last = FoldQuery(parts.back());
        if (last.empty() && parts.size() == 2) return;  // "Pune," is just "Pune"
        std::vector<bool> countries = Countries(last);
        const bool lastIsCountry = std::find(countries.begin(), countries.end(), true) != countries.end();
        std::string state;
        std::vector<bool> stateCountries(d.countryCount, true);
        if (parts.size() > 2 && lastIsCountry) {
            state = FoldQuery(parts[1]);  // "City, State, Country"
            stateCountries = countries;
            countries.assign(d.countryCount, false);
        } else {
            state = last;  // "City, State" or "City, Country"
        }
        tiers_.assign(d.stateCount + 1, kFails);
        countryTiers_.assign(d.countryCount, kFails);
        for (std::size_t c = 0; c < d.countryCount; ++c) {
            if (countries[c]) countryTiers_[c] = 1;
        }
        // A country name being typed ("Moscow, Russ") stands behind everything else.
        if (parts.size() == 2 && !lastIsCountry && last.size() >= kMinNamePrefix) {
            for (std::size_t c = 0; c < d.countryCount; ++c) {
                if (CountryBegins(c, last)) countryTiers_[c] = 3;
            }
        }
        if (state.empty()) return;
        std::vector<const StateAbbreviation*> abbreviations;
        for (const StateAbbreviation& a : StateAbbreviations()) {
            if (a.abbreviation == state) abbreviations.push_back(&a);
        }
        auto abbreviated = [&](std::size_t s) {
            return std::any_of(abbreviations.begin(), abbreviations.end(), [&](const auto* a) {
                return a->state == d.foldedStates[s] && a->country == d.CountryCode(d.stateCountry[s]);
            });
        };
        for (std::size_t s = 0; s < d.stateCount; ++s) {
            if (d.stateCountry[s] == kNoCountry || !stateCountries[d.stateCountry[s]]) continue;
            const std::string& name = d.foldedStates[s];
            if (name == state || abbreviated(s)) {
                tiers_[s + 1] = 0;
            } else if (state.size() >= kMinNamePrefix && StartsWith(name, state)) {
                tiers_[s + 1] = 2;
            }
        }
    }

    /// The best tier any place can have: bounds what a key's places may reach.
    std::uint8_t BestTier() const {
        if (tiers_.empty()) return 0;
        const auto byState = std::min_element(tiers_.begin(), tiers_.end());
        const auto byCountry = std::min_element(countryTiers_.begin(), countryTiers_.end());
        return std::min(byState == tiers_.end() ? kFails : *byState,
                        byCountry == countryTiers_.end() ? kFails : *byCountry);
    }

    std::uint8_t Tier(std::uint32_t place) const {
        if (tiers_.empty()) return 0;
        const std::uint8_t byState = tiers_[d_.PlaceState(place)];
        const std::uint32_t country = d_.PlaceCountry(place);
        const std::uint8_t byCountry =
            country < countryTiers_.size() ? countryTiers_[country] : kFails;
        return std::min(byState, byCountry);
    }

private:
    // Fewer letters than this begin too many state or country names to stand for one.
    static constexpr std::size_t kMinNamePrefix = 3;

    /// Whether a name of country `c` (not its codes) begins with `text`.
    bool CountryBegins(std::size_t c, std::string_view text) const {
        const auto& names = d_.foldedCountryNames[c];
        for (const std::size_t field : {kCountryName, kCountryCommonName, kCountryOfficialName}) {
            if (StartsWith(names[field], text)) return true;
        }
        return std::any_of(CountryAliases().begin(), CountryAliases().end(), [&](const auto& a) {
            return StartsWith(a.alias, text) && a.code == d_.CountryCode(c);
        });
    }

    std::vector<bool> Countries(const std::string& name) const {
        std::vector<bool> found(d_.countryCount, false);
        if (name.empty()) return found;
        for (std::size_t c = 0; c < d_.countryCount; ++c) {
            const auto& names = d_.foldedCountryNames[c];
            found[c] = std::find(names.begin(), names.end(), name) != names.end();
        }
        for (const CountryAlias& alias : CountryAliases()) {
            if (alias.alias != name) continue;
            for (std::size_t c = 0; c < d_.countryCount; ++c) {
                if (d_.CountryCode(c) == alias.code) found[c] = true;
            }
        }
        return found;
    }

    const AtlasData& d_;
    std::vector<std::uint8_t> tiers_;         // by state index + 1; empty: no qualifier
    std::vector<std::uint8_t> countryTiers_;  // by country
};

/// A match's place in the list: the qualifier's tier, then equal names before names
/// that begin with the query, then population, where a place found only by an
/// alternate name counts a tenth as much against places found by their own name (so
/// Mumbai, "Bombay" of old, comes before the village that is called Bombay).
struct Ranked {
    std::uint8_t tier;
    std::uint8_t prefix;  // 0 equal, 1 begins with the query
    std::uint8_t own;     // 0 by an alternate name, 1 by its own name
    std::uint64_t weight;
    std::uint32_t place;

    static Ranked Of(std::uint8_t tier, bool prefix, bool alternate, std::uint32_t population,
                     std::uint32_t place) {
        constexpr std::uint64_t kOwnNameWeight = 10;
        return {tier, static_cast<std::uint8_t>(prefix ? 1 : 0),
                static_cast<std::uint8_t>(alternate ? 0 : 1),
                alternate ? population : std::uint64_t{population} * kOwnNameWeight, place};
    }

    /// No match of a key whose places have at most `population` ranks better.
    static Ranked BestFor(std::uint8_t tier, bool prefix, std::uint32_t population) {
        Ranked r = Of(tier, prefix, false, population, 0);
        r.own = 0;
        return r;
    }

    bool operator<(const Ranked& o) const {
        if (tier != o.tier) return tier < o.tier;
        if (prefix != o.prefix) return prefix < o.prefix;
        if (weight != o.weight) return weight > o.weight;
        if (own != o.own) return own < o.own;  // "at least ten times": a tie goes to the alternate
        return place < o.place;
    }
};

}  // namespace

Place AtlasData::PlaceAt(std::size_t index) const {
    const PlaceRow row = RowAt(index);
    Place place;
    place.name = row.name;
    place.asciiName = row.asciiName;
    if (row.state != 0) place.state = StateName(row.state - 1);
    const std::string_view common = CountryCommonName(row.country);
    place.country = common.empty() ? CountryName(row.country) : common;
    place.countryCode = CountryCode(row.country);
    place.zone = Zone(row.zone);
    place.latitudeMinutes = row.latitude;
    place.longitudeMinutes = row.longitude;
    place.population = row.population;
    return place;
}

std::string DisplayName(const Place& place) {
    std::string text = place.name;
    if (!place.state.empty()) text += ", " + place.state;
    text += ", " + place.country;
    return text;
}

Atlas::Atlas(std::unique_ptr<AtlasData> data) : data_(std::move(data)) {}
Atlas::Atlas(Atlas&&) noexcept = default;
Atlas& Atlas::operator=(Atlas&&) noexcept = default;
Atlas::~Atlas() = default;

std::size_t Atlas::PlaceCount() const { return data_->placeCount; }
Place Atlas::PlaceAt(std::size_t index) const { return data_->PlaceAt(index); }

std::vector<Place> Atlas::Search(std::string_view query, std::size_t limit) const {
    const AtlasData& d = *data_;
    const std::vector<std::string_view> parts = SplitParts(query);
    const std::string city = FoldQuery(parts.front());
    if (city.empty() || limit == 0) return {};
    const PlaceFilter filter(d, parts);
    const std::uint8_t bestTier = filter.BestTier();
    if (bestTier == PlaceFilter::kFails) return {};  // the qualifier names nothing

    // First key not below the city: the equal key, if any, then every key it begins.
    std::size_t lo = 0;
    std::size_t hi = d.keyCount;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (d.Key(mid) < city) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }

    std::vector<Ranked> best;  // sorted, at most `limit`, each place once at its best
    auto offer = [&](const Ranked& r) {
        const auto same = std::find_if(best.begin(), best.end(),
                                       [&](const Ranked& b) { return b.place == r.place; });
        if (same != best.end()) {
            if (!(r < *same)) return;
            best.erase(same);
        }
        best.insert(std::lower_bound(best.begin(), best.end(), r), r);
        if (best.size() > limit) best.pop_back();
    };

    for (std::size_t k = lo; k < d.keyCount; ++k) {
        const std::string_view key = d.Key(k);
        if (!StartsWith(key, city)) break;
        const bool prefix = key.size() != city.size();
        // No place of this key can reach a full list: the best any of them could rank
        // (best tier, the key's highest population weighed as an own name) is no better
        // than the list's last.
        if (best.size() == limit &&
            !(Ranked::BestFor(bestTier, prefix, d.KeyBest(k)) < best.back())) {
            continue;
        }
        for (std::uint32_t p = d.PostingStart(k); p < d.PostingStart(k + 1); ++p) {
            const std::uint32_t posting = d.Posting(p);
            const std::uint32_t place = posting >> 1;
            if (place >= d.placeCount) continue;
            const Ranked first =
                Ranked::Of(bestTier, prefix, (posting & 1) != 0, d.Population(place), place);
            if (best.size() == limit && !(first < best.back())) continue;  // cheap test first
            const std::uint8_t tier = filter.Tier(place);
            if (tier == PlaceFilter::kFails) continue;
            Ranked r = first;
            r.tier = tier;
            if (best.size() == limit && !(r < best.back())) continue;
            offer(r);
        }
    }

    std::vector<Place> places;
    places.reserve(best.size());
    for (const Ranked& r : best) places.push_back(d.PlaceAt(r.place));
    return places;
}

}  // namespace tamovid::atlas
