// Feeds arbitrary tables to the atlas reader, wrapped in a correct header and checksum
// so that the fuzzer reaches the tables themselves, and (with a first byte of 0) raw
// bytes as a whole file. Whatever loads must answer searches and give every place.
//
// Wrapped input: one byte per section giving its share of the rest, then the sections'
// bytes one after another.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "atlas_format.h"
#include "tamovid/atlas/atlas.h"

namespace {

namespace format = tamovid::atlas::format;

std::string Wrapped(std::string_view input) {
    std::string_view shares = input.substr(0, std::min<std::size_t>(input.size(), format::kSectionCount));
    std::string_view rest = input.substr(shares.size());
    std::string body;
    std::string table;
    for (std::size_t s = 0; s < format::kSectionCount; ++s) {
        const std::size_t share = s < shares.size() ? static_cast<unsigned char>(shares[s]) : 255;
        const std::size_t size = std::min(rest.size(), rest.size() * share / 255 + share % 8);
        while ((format::kHeaderSize + body.size()) % format::kAlignment != 0) body += '\0';
        format::PutU32(table, static_cast<std::uint32_t>(format::kHeaderSize + body.size()));
        format::PutU32(table, static_cast<std::uint32_t>(size));
        body += rest.substr(0, size);
        rest.remove_prefix(size);
    }
    std::string file(format::kMagic);
    format::PutU32(file, format::kVersion);
    format::PutU32(file, format::kSectionCount);
    format::PutU64(file, format::Checksum(body));
    return file + table + body;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string bytes = data[0] == 0 ? std::string(input) : Wrapped(input);
    auto loaded = tamovid::atlas::Atlas::FromBytes(bytes);
    if (const tamovid::atlas::Atlas* atlas = loaded.ok() ? &loaded.value() : nullptr) {
        for (std::size_t i = 0; i < atlas->PlaceCount() && i < 1000; ++i) (void)atlas->PlaceAt(i);
        for (const char* query : {"a", "ab", "a, b", "a, b, c", "", ",", "a, ca", "a, uk"})
            (void)atlas->Search(query, 5);
    }
    return 0;
}
