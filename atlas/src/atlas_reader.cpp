#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <limits>

#include "atlas_data.h"
#include "atlas_format.h"
#include "tamovid/atlas/atlas.h"
#include "tamovid/atlas/fold.h"

namespace tamovid::atlas {
namespace {

using format::Reader;

// A real atlas file is about 6 MB; a much bigger file is not one.
constexpr std::uintmax_t kMaxFileBytes = 32u * 1024 * 1024;
constexpr std::uint64_t kMaxCount = std::numeric_limits<std::uint32_t>::max() / 2;

std::string Fold(std::string_view text) { return FoldQuery(text); }

TextRef Store(std::string& text, std::string_view s) {
    const TextRef ref{static_cast<std::uint32_t>(text.size()),
                      static_cast<std::uint32_t>(s.size())};
    text += s;
    return ref;
}

/// The tables, or false when they do not hold together.
bool ReadTables(std::string_view tables, AtlasData& d) {
    Reader in(tables);

    const auto countryCount = in.Below(std::numeric_limits<std::uint16_t>::max());
    d.countries.reserve(countryCount);
    for (std::uint64_t i = 0; i < countryCount && in.ok(); ++i) {
        CountryRow row;
        row.code = in.Bytes(2);
        row.name = in.String();
        row.commonName = in.String();
        row.foldedCode = Fold(row.code);
        row.foldedName = Fold(row.name);
        row.foldedCommonName = Fold(row.commonName);
        d.countries.push_back(std::move(row));
    }

    const auto stateCount = in.Below(kMaxCount);
    for (std::uint64_t i = 0; i < stateCount && in.ok(); ++i) {
        d.stateCountry.push_back(static_cast<std::uint16_t>(in.Below(countryCount)));
        d.states.emplace_back(in.String());
        d.foldedStates.push_back(Fold(d.states.back()));
    }

    const auto zoneCount = in.Below(std::numeric_limits<std::uint16_t>::max());
    for (std::uint64_t i = 0; i < zoneCount && in.ok(); ++i) d.zones.emplace_back(in.String());

    constexpr std::int64_t kMaxLatitude = 90 * 60;
    constexpr std::int64_t kMaxLongitude = 180 * 60;
    const auto placeCount = in.Below(kMaxCount);
    if (!in.ok()) return false;
    // Each place takes at least eight bytes, so a count the rest cannot hold is damage
    // and is refused before anything is reserved for it.
    const auto nameBytes = in.Below(tables.size() + 1);
    if (!in.ok() || placeCount > tables.size() / 8) return false;
    d.places.reserve(placeCount);
    d.population.reserve(placeCount);
    d.text.reserve(nameBytes);
    for (std::uint64_t i = 0; i < placeCount && in.ok(); ++i) {
        PlaceRow row;
        row.name = Store(d.text, in.String());
        const std::string_view ascii = in.String();
        row.asciiName = ascii.empty() ? row.name : Store(d.text, ascii);
        const std::int64_t lat = format::UnZigZag(in.Varint());
        const std::int64_t lon = format::UnZigZag(in.Varint());
        if (lat < -kMaxLatitude || lat > kMaxLatitude || lon < -kMaxLongitude ||
            lon > kMaxLongitude) {
            return false;
        }
        row.latitude = static_cast<std::int16_t>(lat);
        row.longitude = static_cast<std::int16_t>(lon);
        d.population.push_back(static_cast<std::uint32_t>(in.Below(std::uint64_t{1} << 32)));
        row.country = static_cast<std::uint16_t>(in.Below(countryCount));
        row.state = static_cast<std::uint32_t>(in.Below(stateCount + 1));
        row.zone = static_cast<std::uint16_t>(in.Below(zoneCount));
        d.places.push_back(row);
    }

    const auto keyCount = in.Below(kMaxCount);
    // Keys are stored with their shared beginnings left out, so they may take more room
    // loaded than in the file, but never more than their longest possible form.
    const auto keyBytes = in.Below(std::uint64_t{keyCount} * 256 + 1);
    const auto postingCount = in.Below(tables.size() + 1);
    if (!in.ok() || keyCount > tables.size() / 3 || keyBytes > format::kMaxTablesSize) return false;
    if (d.text.size() != nameBytes) return false;
    d.keyText.reserve(keyBytes);
    d.postings.reserve(postingCount);
    d.keyStart.reserve(keyCount + 1);
    d.postingStart.reserve(keyCount + 1);
    d.keyStart.push_back(0);
    d.postingStart.push_back(0);
    std::string previous;
    for (std::uint64_t i = 0; i < keyCount && in.ok(); ++i) {
        const auto shared = in.Below(previous.size() + 1);
        const std::string_view rest = in.String();
        const std::size_t start = d.keyText.size();
        d.keyText.append(previous, 0, static_cast<std::size_t>(shared));
        d.keyText.append(rest);
        const std::string_view key = std::string_view(d.keyText).substr(start);
        // Search relies on strictly increasing keys.
        if (key.empty() || (i > 0 && !(previous < key))) return false;
        const auto keyPostings = in.Below(placeCount + 1);
        for (std::uint64_t p = 0; p < keyPostings && in.ok(); ++p) {
            d.postings.push_back(static_cast<std::uint32_t>(in.Below(placeCount * 2)));
        }
        if (d.keyText.size() > std::numeric_limits<std::uint32_t>::max()) return false;
        d.keyStart.push_back(static_cast<std::uint32_t>(d.keyText.size()));
        d.postingStart.push_back(static_cast<std::uint32_t>(d.postings.size()));
        previous.assign(key);
    }
    return in.ok() && in.AtEnd() && d.keyText.size() == keyBytes &&
           d.postings.size() == postingCount;
}

constexpr std::string_view kByHand =
    " Places cannot be looked up; type the coordinates and the time zone by hand.";

Failure<AtlasError> Damaged(std::string_view why, const std::string& shown = {}) {
    return {AtlasError{"The place atlas " + (shown.empty() ? std::string() : shown + " ") +
                       "is damaged (" + std::string(why) + ")." + std::string(kByHand)}};
}

std::string Shown(const std::filesystem::path& path) { return "\"" + path.string() + "\""; }

}  // namespace

Result<Atlas, AtlasError> Atlas::FromBytes(std::string_view bytes) {
    if (bytes.size() < format::kHeaderSize ||
        bytes.substr(0, format::kMagic.size()) != format::kMagic) {
        return Damaged("it is not an atlas file");
    }
    if (format::GetU32(bytes, 8) != format::kVersion) {
        return Damaged("it was made for another version of the program");
    }
    const std::uint32_t tablesSize = format::GetU32(bytes, 12);
    const std::uint32_t checksum = format::GetU32(bytes, 16);
    // Deflate never shrinks data more than about 1032 to 1, so a larger claim is damage
    // and is refused before memory is set aside for it.
    constexpr std::uint64_t kMaxDeflateRatio = 1032;
    const std::uint64_t packedSize = bytes.size() - format::kHeaderSize;
    if (tablesSize > format::kMaxTablesSize || tablesSize > packedSize * kMaxDeflateRatio + 64) {
        return Damaged("its size is wrong");
    }

    // Not zero-filled first: zlib writes every byte that is read afterwards.
    const std::unique_ptr<char[]> buffer(new char[std::max<std::uint32_t>(tablesSize, 1)]);
    uLongf produced = tablesSize;
    const std::string_view packed = bytes.substr(format::kHeaderSize);
    const int status = uncompress(reinterpret_cast<Bytef*>(buffer.get()), &produced,
                                  reinterpret_cast<const Bytef*>(packed.data()),
                                  static_cast<uLong>(packed.size()));
    if (status != Z_OK || produced != tablesSize) return Damaged("it is cut short or corrupted");
    const std::string_view tables(buffer.get(), tablesSize);
    const auto crc = crc32(0L, reinterpret_cast<const Bytef*>(tables.data()), tablesSize);
    if (crc != checksum) return Damaged("its checksum does not match");

    auto data = std::make_unique<AtlasData>();
    if (!ReadTables(tables, *data)) return Damaged("its tables do not hold together");
    return Atlas(std::move(data));
}

Result<Atlas, AtlasError> Atlas::Load(const std::filesystem::path& path) {
    const std::string shown = Shown(path);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) {
        return Failure{AtlasError{"The place atlas " + shown + " cannot be read (" + ec.message() +
                                  ")." + std::string(kByHand)}};
    }
    if (size > kMaxFileBytes) return Damaged("the file is far too big", shown);
    std::ifstream file(path, std::ios::binary);
    const auto length = static_cast<std::size_t>(size);
    const std::unique_ptr<char[]> buffer(new char[std::max<std::size_t>(length, 1)]);
    const std::string_view bytes(buffer.get(), length);
    if (!file.read(buffer.get(), static_cast<std::streamsize>(length))) {
        return Failure{
            AtlasError{"The place atlas " + shown + " cannot be read." + std::string(kByHand)}};
    }
    Result<Atlas, AtlasError> atlas = FromBytes(bytes);
    if (!atlas.ok()) {
        std::string message = atlas.error().message;
        message.insert(std::string_view("The place atlas ").size(), shown + " ");
        return Failure{AtlasError{std::move(message)}};
    }
    return atlas;
}

}  // namespace tamovid::atlas
