// Feeds arbitrary bytes as a zone file to the zone reader, and asks the zone that loads
// for clock times across the years the form offers, gaps and overlaps included.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "zone_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > tamovid::atlas::detail::kMaxZoneFileBytes) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The library keeps every zone it reads under its key: one key per content.
    const std::string key =
        "fuzz/" + std::to_string(std::hash<std::string>{}(bytes)) + "/" + std::to_string(size);
    const auto zone = tamovid::atlas::detail::ParseZone(key, bytes);
    if (!zone) return 0;
    for (int year = 1901; year <= 2050; year += 7) {
        for (int month = 1; month <= 12; month += 5) {
            for (int hour : {0, 2, 24}) {
                (void)tamovid::atlas::detail::ResolveInZone(*zone, "Fuzz/Zone", year, month, 31,
                                                            hour, 30);
            }
        }
    }
    return 0;
}
