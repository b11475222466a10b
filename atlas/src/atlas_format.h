#pragma once

// The atlas file: tables of fixed-size rows that are used where they lie, so that
// loading is mapping the file and checking it.
//
//   header    magic (8 bytes), format version (u32), section count (u32), checksum of
//             everything after the header (u64), then per section its offset and size
//             in bytes (u32 each); all numbers little-endian
//   sections  each starts at a multiple of 4 bytes:
//     text          UTF-8 of every name and search key; rows point into it with
//                   (offset, size) pairs
//     countries     n x (ISO code, name, common name or empty, three-letter code,
//                   official name or empty)                         5 text refs
//     states        n x (country index, name)                        u32 + text ref
//     zones         n x (IANA name)                                  text ref
//     places        n x (name, ASCII name, latitude and longitude in arc-minutes (i16),
//                   country index (u16), zone index (u16), state index + 1 or 0 (u32),
//                   population (u32))
//     keys          n x (folded name), strictly increasing           text ref
//     postingStart  n + 1 x u32: where each key's postings begin in postings
//     postings      place index * 2, + 1 when the place is listed by an alternate name
//     keyBest       n x u32: the highest population among each key's places, so that a
//                   search skips keys that cannot reach its list
//   A key's postings name each place once.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tamovid::atlas::format {

inline constexpr std::string_view kMagic = "TMVATLAS";
inline constexpr std::uint32_t kVersion = 3;

enum Section : std::uint32_t {
    kText,
    kCountries,
    kStates,
    kZones,
    kPlaces,
    kKeys,
    kPostingStart,
    kPostings,
    kKeyBest,
    kSectionCount,
};

inline constexpr std::size_t kChecksumAt = 16;
inline constexpr std::size_t kHeaderSize = 8 + 4 + 4 + 8 + 8 * kSectionCount;
inline constexpr std::size_t kAlignment = 4;

inline constexpr std::size_t kTextRefSize = 8;
inline constexpr std::size_t kCountryRowSize = 5 * kTextRefSize;
inline constexpr std::size_t kStateRowSize = 4 + kTextRefSize;
inline constexpr std::size_t kZoneRowSize = kTextRefSize;
inline constexpr std::size_t kPlaceRowSize = 2 * kTextRefSize + 2 + 2 + 2 + 2 + 4 + 4;
inline constexpr std::size_t kKeyRowSize = kTextRefSize;

inline void PutU16(std::string& out, std::uint16_t v) {
    for (int i = 0; i < 2; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void PutU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void PutU64(std::string& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline std::uint16_t GetU16(const char* at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(at[0]) |
                                      static_cast<unsigned char>(at[1]) << 8);
}
inline std::uint32_t GetU32(const char* at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(at[i])) << (8 * i);
    }
    return v;
}
inline std::uint64_t GetU64(const char* at) {
    return GetU32(at) | static_cast<std::uint64_t>(GetU32(at + 4)) << 32;
}

/// A cheap checksum that any changed byte alters: two running sums over 8-byte words.
/// It finds damage, not tampering; a file is trusted no more than its folder. Words are
/// read in the host's order, which is the file's on the little-endian hosts we build for.
inline std::uint64_t Checksum(std::string_view bytes) {
    std::uint64_t sum = 0;
    std::uint64_t weighted = 0;
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        sum += word;
        weighted += sum;
    }
    for (; i < bytes.size(); ++i) {
        sum += static_cast<unsigned char>(bytes[i]);
        weighted += sum;
    }
    return sum ^ (weighted * 0x9E3779B97F4A7C15ull);
}

}  // namespace tamovid::atlas::format
