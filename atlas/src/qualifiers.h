#pragma once

#include <span>
#include <string_view>

namespace tamovid::atlas {

/// A name people give a country that its ISO entry does not ("Holland", "UAE").
struct CountryAlias {
    std::string_view alias;  ///< folded, as FoldQuery gives it
    std::string_view code;   ///< ISO 3166 two letters
};

/// A postal or official abbreviation of a state or province ("TX", "ON", "WA").
struct StateAbbreviation {
    std::string_view abbreviation;  ///< folded
    std::string_view country;       ///< ISO 3166 two letters
    std::string_view state;         ///< the division's name in the atlas, folded
};

std::span<const CountryAlias> CountryAliases();
std::span<const StateAbbreviation> StateAbbreviations();

}  // namespace tamovid::atlas
