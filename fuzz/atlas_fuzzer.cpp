// Feeds arbitrary tables to the atlas reader, wrapped in a correct header and checksum
// so that the fuzzer reaches the tables themselves, and (with a first byte of 0) raw
// bytes as a whole file. Whatever loads must answer searches and give every place.

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tamovid/atlas/atlas.h"

namespace {

void PutU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string Wrapped(std::string_view tables) {
    std::string file = "TMVATLAS";
    PutU32(file, 2);
    PutU32(file, static_cast<std::uint32_t>(tables.size()));
    PutU32(file, static_cast<std::uint32_t>(crc32(0L, reinterpret_cast<const Bytef*>(tables.data()),
                                                  static_cast<uInt>(tables.size()))));
    uLongf size = compressBound(static_cast<uLong>(tables.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
              reinterpret_cast<const Bytef*>(tables.data()), static_cast<uLong>(tables.size()), 1);
    packed.resize(size);
    return file + packed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string bytes = data[0] == 0 ? std::string(input) : Wrapped(input);
    auto loaded = tamovid::atlas::Atlas::FromBytes(bytes);
    if (const tamovid::atlas::Atlas* atlas = loaded.ok() ? &loaded.value() : nullptr) {
        for (std::size_t i = 0; i < atlas->PlaceCount() && i < 1000; ++i) (void)atlas->PlaceAt(i);
        for (const char* query : {"a", "ab", "a, b", "a, b, c", "", ","})
            (void)atlas->Search(query, 5);
    }
    return 0;
}
