#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/atlas/atlas.h"

namespace tamovid::atlas {

struct TextRef {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

struct CountryRow {
    std::string code;
    std::string name;
    std::string commonName;
    std::string foldedCode;
    std::string foldedName;
    std::string foldedCommonName;
};

struct PlaceRow {
    TextRef name;
    TextRef asciiName;
    std::int16_t latitude = 0;   // arc-minutes
    std::int16_t longitude = 0;  // arc-minutes
    std::uint16_t country = 0;
    std::uint16_t zone = 0;
    std::uint32_t state = 0;  // index + 1, 0 for none
};

/// The atlas as loaded: the place tables and the sorted keys with their postings.
class AtlasData {
public:
    std::vector<CountryRow> countries;
    std::vector<std::string> states;
    std::vector<std::string> foldedStates;
    std::vector<std::uint16_t> stateCountry;
    std::vector<std::string> zones;

    std::string text;  // the places' names
    std::vector<PlaceRow> places;
    std::vector<std::uint32_t> population;  // by place, apart for a compact scan

    std::string keyText;
    std::vector<std::uint32_t> keyStart;      // n + 1 offsets into keyText
    std::vector<std::uint32_t> postingStart;  // n + 1 offsets into postings
    std::vector<std::uint32_t> postings;      // place * 2 + (1 for an alternate name)

    std::string_view Text(TextRef ref) const {
        return std::string_view(text).substr(ref.offset, ref.size);
    }
    std::size_t KeyCount() const { return keyStart.size() - 1; }
    std::string_view Key(std::size_t i) const {
        return std::string_view(keyText).substr(keyStart[i], keyStart[i + 1] - keyStart[i]);
    }
    Place PlaceAt(std::size_t index) const;
};

}  // namespace tamovid::atlas
