#pragma once

// The atlas file: a fixed header, then one zlib stream of the tables.
//
//   header  magic (8 bytes), format version (u32), size of the tables (u32),
//           CRC-32 of the tables (u32), all little-endian
//   tables  countries, states, zones, places and the sorted search keys, written
//           with unsigned LEB128 numbers and length-prefixed UTF-8 strings:
//     countries: n, then n x (code: 2 bytes, name, common name or "")
//     states:    n, then n x (country index, name)
//     zones:     n, then n x (name)
//     places:    n, bytes of all names, then n x (name, ascii name or "" when equal, latitude and
//                longitude in arc-minutes (zig-zag), population, country index,
//                state index + 1 or 0, zone index)
//     keys:      n, bytes of all keys, number of postings, then n x (bytes shared with the previous
//     key, the rest of the
//                key, posting count, postings: place index * 2 + 1 for an
//                alternate name, + 0 for the name itself)
//   Keys are the folded names, strictly increasing; a key's postings name each
//   place once.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tamovid::atlas::format {

inline constexpr std::string_view kMagic = "TMVATLAS";
inline constexpr std::uint32_t kVersion = 2;
inline constexpr std::size_t kHeaderSize = 8 + 4 + 4 + 4;
/// Tables larger than this are not an atlas of this program (today's are about 20 MB).
inline constexpr std::uint32_t kMaxTablesSize = 64u * 1024 * 1024;

inline void PutU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void PutVarint(std::string& out, std::uint64_t v) {
    while (v >= 0x80) {
        out += static_cast<char>((v & 0x7F) | 0x80);
        v >>= 7;
    }
    out += static_cast<char>(v);
}

inline void PutString(std::string& out, std::string_view s) {
    PutVarint(out, s.size());
    out += s;
}

inline std::uint64_t ZigZag(std::int64_t v) {
    return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
}
inline std::int64_t UnZigZag(std::uint64_t v) {
    return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

inline std::uint32_t GetU32(std::string_view bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return v;
}

/// Reads the tables front to back; every read is checked against the end, and a
/// failed read leaves the reader failed for good.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool ok() const { return ok_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

    std::uint64_t Varint() {
        std::uint64_t v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (pos_ >= bytes_.size()) return Fail();
            const auto b = static_cast<unsigned char>(bytes_[pos_++]);
            v |= static_cast<std::uint64_t>(b & 0x7F) << shift;
            if ((b & 0x80) == 0) return v;
        }
        return Fail();
    }

    /// A number that must be below `limit`; reading fails otherwise.
    std::uint64_t Below(std::uint64_t limit) {
        const std::uint64_t v = Varint();
        return v < limit ? v : Fail();
    }

    std::string_view Bytes(std::size_t n) {
        if (!ok_ || n > bytes_.size() - pos_) {
            Fail();
            return {};
        }
        const std::string_view s = bytes_.substr(pos_, n);
        pos_ += n;
        return s;
    }

    std::string_view String() { return Bytes(static_cast<std::size_t>(Below(bytes_.size() + 1))); }

private:
    std::uint64_t Fail() {
        ok_ = false;
        pos_ = bytes_.size();
        return 0;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace tamovid::atlas::format
