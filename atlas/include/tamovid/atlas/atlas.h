#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/atlas/atlas_error.h"
#include "tamovid/base/result.h"

namespace tamovid::atlas {

/// One place of the atlas, copied out of it.
struct Place {
    std::string name;          ///< UTF-8, as the place calls itself ("São Paulo")
    std::string asciiName;     ///< the same in ASCII ("Sao Paulo")
    std::string state;         ///< first-level division, UTF-8; may be empty
    std::string country;       ///< short English name ("Bolivia")
    std::string countryCode;   ///< ISO 3166 two letters ("BO")
    std::string zone;          ///< IANA time zone ("America/La_Paz")
    int latitudeMinutes = 0;   ///< arc-minutes, north positive
    int longitudeMinutes = 0;  ///< arc-minutes, east positive
    std::uint32_t population = 0;

    friend bool operator==(const Place&, const Place&) = default;
};

/// "City, State, Country" as shown in a list of matches (the state left out when empty).
std::string DisplayName(const Place& place);

class AtlasData;  // the loaded tables

/// The places, searchable by name. Cheap to move; immutable once loaded, so one atlas
/// may be searched from several threads.
class Atlas {
public:
    /// Reads an atlas from a file's bytes, checking every size, index and the checksum.
    static Result<Atlas, AtlasError> FromBytes(std::string_view bytes);
    /// Reads the atlas file; a missing or damaged file gives the message to show.
    static Result<Atlas, AtlasError> Load(const std::filesystem::path& path);

    std::size_t PlaceCount() const;
    Place PlaceAt(std::size_t index) const;

    /// Places for a query "CITY[, STATE][, COUNTRY]", best first, at most `limit`.
    /// The city matches a place's name, ASCII name or any alternate name; case, accents,
    /// hyphens and "St." for "Saint" do not matter. The last part is a country when it
    /// names one (ISO code of two or three letters, name, common name or everyday name
    /// such as "UK" or "Holland") and otherwise a state (name, its beginning, or a postal
    /// abbreviation such as "TX" or "ON"); a place in a state the qualifier names comes
    /// before one in a country it names ("Pasadena, CA" is California's). Then equal
    /// names come before names the city only begins, and the more populous first, where
    /// a place matched only by an alternate name needs ten times the population of one
    /// matched by its own name ("Bombay" gives Mumbai, not a village called Bombay).
    std::vector<Place> Search(std::string_view query, std::size_t limit) const;

    Atlas(Atlas&&) noexcept;
    Atlas& operator=(Atlas&&) noexcept;
    ~Atlas();

private:
    friend class AtlasBuilder;
    explicit Atlas(std::unique_ptr<AtlasData> data);
    std::unique_ptr<AtlasData> data_;
};

/// The atlas file's name, beside the program's other data.
inline constexpr std::string_view kAtlasFileName = "places.atlas";

/// Where the atlas is looked for: `<exe dir>/../share/tamovid/`, both installed and in
/// the build tree (nothing when the program's folder is not known).
std::vector<std::filesystem::path> AtlasCandidates(const std::filesystem::path& executableDir);

/// The folder of the running program (empty when the system does not say).
std::filesystem::path ExecutableDir();

/// Loads the first candidate that exists; the error names what was tried.
Result<Atlas, AtlasError> LoadInstalledAtlas();

}  // namespace tamovid::atlas
