#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "atlas_format.h"
#include "tamovid/atlas/atlas.h"

namespace tamovid::atlas {

/// The texts of a country row, in their order.
enum CountryField : std::size_t {
    kCountryCode,
    kCountryName,
    kCountryCommonName,
    kCountryAlpha3,
    kCountryOfficialName,
    kCountryFieldCount,
};

/// A state's country when its row names none of the atlas's countries.
inline constexpr std::uint16_t kNoCountry = 0xFFFF;

/// Bytes that stay valid as long as the atlas: a mapped file or a copy.
class Storage {
public:
    virtual ~Storage() = default;
    virtual std::string_view Bytes() const = 0;
};

/// One row of the places table, read out of the file.
struct PlaceRow {
    std::string_view name;
    std::string_view asciiName;
    int latitude = 0;   // arc-minutes
    int longitude = 0;  // arc-minutes
    std::uint32_t country = 0;
    std::uint32_t zone = 0;
    std::uint32_t state = 0;  // index + 1, 0 for none
    std::uint32_t population = 0;
};

/// The atlas as loaded: views into the file's checked sections, plus the folded country
/// and state names the qualifiers are matched against.
class AtlasData {
public:
    std::unique_ptr<Storage> storage;
    std::string_view section[format::kSectionCount];

    std::size_t countryCount = 0;
    std::size_t stateCount = 0;
    std::size_t zoneCount = 0;
    std::size_t placeCount = 0;
    std::size_t keyCount = 0;
    std::size_t postingCount = 0;

    std::vector<std::string> foldedStates;
    /// Per country its texts (CountryField), folded; an empty one stays empty.
    std::vector<std::array<std::string, kCountryFieldCount>> foldedCountryNames;
    std::vector<std::uint16_t> stateCountry;  // kNoCountry for a damaged row

    // Every read is checked where it happens, not once on loading, so that loading
    // stays little more than mapping the file: a damaged reference reads as empty text
    // or no entry, never outside the file.

    /// Text a ref at `at` points to; empty when it points outside the text.
    std::string_view TextAt(const char* at) const {
        const std::string_view text = section[format::kText];
        const std::uint64_t offset = format::GetU32(at);
        const std::uint64_t size = format::GetU32(at + 4);
        if (offset + size > text.size()) return {};
        return text.substr(offset, size);
    }
    const char* Row(format::Section s, std::size_t size, std::size_t i) const {
        return section[s].data() + i * size;
    }

    std::string_view CountryText(std::size_t c, std::size_t field) const {
        if (c >= countryCount) return {};
        return TextAt(Row(format::kCountries, format::kCountryRowSize, c) + 8 * field);
    }
    std::string_view CountryCode(std::size_t c) const { return CountryText(c, kCountryCode); }
    std::string_view CountryName(std::size_t c) const { return CountryText(c, kCountryName); }
    std::string_view CountryCommonName(std::size_t c) const {
        return CountryText(c, kCountryCommonName);
    }
    std::string_view CountryAlpha3(std::size_t c) const { return CountryText(c, kCountryAlpha3); }
    std::string_view CountryOfficialName(std::size_t c) const {
        return CountryText(c, kCountryOfficialName);
    }
    std::string_view StateName(std::size_t s) const {
        if (s >= stateCount) return {};
        return TextAt(Row(format::kStates, format::kStateRowSize, s) + 4);
    }
    std::string_view Zone(std::size_t z) const {
        if (z >= zoneCount) return {};
        return TextAt(Row(format::kZones, format::kZoneRowSize, z));
    }
    std::string_view Key(std::size_t k) const {
        return TextAt(Row(format::kKeys, format::kKeyRowSize, k));
    }
    /// Where key `k`'s postings begin, never past the postings' end.
    std::uint32_t PostingStart(std::size_t k) const {
        const std::uint32_t start = format::GetU32(section[format::kPostingStart].data() + 4 * k);
        return start < postingCount ? start : static_cast<std::uint32_t>(postingCount);
    }
    std::uint32_t KeyBest(std::size_t k) const {
        return format::GetU32(section[format::kKeyBest].data() + 4 * k);
    }
    std::uint32_t Posting(std::size_t p) const {
        return format::GetU32(section[format::kPostings].data() + 4 * p);
    }
    /// Indexes below (for places below placeCount); state index + 1, 0 for none.
    std::uint32_t PlaceCountry(std::size_t p) const {
        return format::GetU16(Row(format::kPlaces, format::kPlaceRowSize, p) + 20);
    }
    std::uint32_t PlaceState(std::size_t p) const {
        const std::uint32_t state = format::GetU32(Row(format::kPlaces, format::kPlaceRowSize, p) + 24);
        return state <= stateCount ? state : 0;
    }
    std::uint32_t Population(std::size_t p) const {
        return format::GetU32(Row(format::kPlaces, format::kPlaceRowSize, p) + 28);
    }
    PlaceRow RowAt(std::size_t p) const;
    Place PlaceAt(std::size_t index) const;
};

}  // namespace tamovid::atlas
