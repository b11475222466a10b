#include "tamovid/atlas/atlas.h"

#include <algorithm>

#include "atlas_data.h"
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

/// Which places a query's state and country parts let through.
class PlaceFilter {
public:
    PlaceFilter(const AtlasData& d, const std::vector<std::string_view>& parts) : d_(d) {
        if (parts.size() < 2) return;
        std::string state;
        const std::string last = FoldQuery(parts.back());
        for (std::size_t c = 0; c < d.countries.size(); ++c) {
            const CountryRow& row = d.countries[c];
            if (!last.empty() && (last == row.foldedCode || last == row.foldedName ||
                                  last == row.foldedCommonName)) {
                if (countries_.empty()) countries_.assign(d.countries.size(), false);
                countries_[c] = true;
            }
        }
        if (countries_.empty()) {
            state = last;
        } else if (parts.size() > 2) {
            state = FoldQuery(parts[1]);
        }
        if (state.empty()) return;
        states_.assign(d.states.size() + 1, false);
        for (std::size_t s = 0; s < d.states.size(); ++s) {
            const bool countryOk = countries_.empty() || countries_[d.stateCountry[s]];
            states_[s + 1] = countryOk && StartsWith(d.foldedStates[s], state);
        }
    }

    bool Passes(std::uint32_t place) const {
        const PlaceRow& row = d_.places[place];
        if (!states_.empty()) return states_[row.state];
        return countries_.empty() || countries_[row.country];
    }

private:
    const AtlasData& d_;
    std::vector<bool> countries_;  // empty: any country
    std::vector<bool> states_;     // by state index + 1; empty: any state
};

struct Ranked {
    std::uint32_t rankClass;  // 0 name equal, 1 alternate name equal, 2 prefix
    std::uint32_t population;
    std::uint32_t place;

    bool operator<(const Ranked& o) const {
        if (rankClass != o.rankClass) return rankClass < o.rankClass;
        if (population != o.population) return population > o.population;
        return place < o.place;
    }
    bool operator==(const Ranked& o) const = default;
};

}  // namespace

Place AtlasData::PlaceAt(std::size_t index) const {
    const PlaceRow& row = places[index];
    const CountryRow& country = countries[row.country];
    Place place;
    place.name = Text(row.name);
    place.asciiName = Text(row.asciiName);
    if (row.state != 0) place.state = states[row.state - 1];
    place.country = country.commonName.empty() ? country.name : country.commonName;
    place.countryCode = country.code;
    place.zone = zones[row.zone];
    place.latitudeMinutes = row.latitude;
    place.longitudeMinutes = row.longitude;
    place.population = population[index];
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

std::size_t Atlas::PlaceCount() const { return data_->places.size(); }
Place Atlas::PlaceAt(std::size_t index) const { return data_->PlaceAt(index); }

std::vector<Place> Atlas::Search(std::string_view query, std::size_t limit) const {
    const AtlasData& d = *data_;
    const std::vector<std::string_view> parts = SplitParts(query);
    const std::string city = FoldQuery(parts.front());
    if (city.empty() || limit == 0) return {};
    const PlaceFilter filter(d, parts);

    // First key not below the city: the equal key, if any, then every key it begins.
    std::size_t lo = 0;
    std::size_t hi = d.KeyCount();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (d.Key(mid) < city) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }

    std::vector<Ranked> best;  // sorted, at most `limit`, each place once
    auto offer = [&](const Ranked& r) {
        if (best.size() == limit && !(r < best.back())) return;
        const auto at = std::lower_bound(best.begin(), best.end(), r);
        if (at != best.end() && at->place == r.place) return;
        // A place already ranked better (by an equal name) is not listed again.
        if (r.rankClass == 2 &&
            std::any_of(best.begin(), at, [&](const Ranked& b) { return b.place == r.place; })) {
            return;
        }
        best.insert(at, r);
        if (best.size() > limit) best.pop_back();
    };

    for (std::size_t k = lo; k < d.KeyCount(); ++k) {
        const std::string_view key = d.Key(k);
        if (!StartsWith(key, city)) break;
        const bool equal = key.size() == city.size();
        for (std::uint32_t p = d.postingStart[k]; p < d.postingStart[k + 1]; ++p) {
            const std::uint32_t place = d.postings[p] >> 1;
            const std::uint32_t rankClass = equal ? (d.postings[p] & 1) : 2;
            const Ranked r{rankClass, d.population[place], place};
            if (best.size() == limit && !(r < best.back())) continue;  // cheap test first
            if (!filter.Passes(place)) continue;
            offer(r);
        }
    }

    std::vector<Place> places;
    places.reserve(best.size());
    for (const Ranked& r : best) places.push_back(d.PlaceAt(r.place));
    return places;
}

}  // namespace tamovid::atlas
