#include "tamovid/cli/visible_text.h"

#include <array>
#include <cstdio>

namespace tamovid::cli {
namespace {

constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kLastC0 = 0x1F;
constexpr unsigned char kUtf8C1Lead = 0xC2;  // U+0080..U+009F are C2 80..C2 9F
constexpr unsigned char kLastC1Trail = 0x9F;

void AppendEscape(std::string& out, const char* format, unsigned value) {
    std::array<char, 8> text{};
    const int length = std::snprintf(text.data(), text.size(), format, value);
    out.append(text.data(), static_cast<std::size_t>(length));
}

bool IsTrail(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

/// Length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = 0;
    unsigned low = 0x80;  // the smallest and largest second byte allowed after this lead
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsTrail(static_cast<unsigned char>(text[i]))) return 0;
    }
    return length;
}

}  // namespace

std::string VisibleText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto byte = static_cast<unsigned char>(utf8[0]);
        if (byte < 0x80) {
            if (byte <= kLastC0 || byte == kDelete) {
                AppendEscape(out, "\\x%02X", byte);
            } else {
                out += static_cast<char>(byte);
            }
            utf8.remove_prefix(1);
            continue;
        }
        const std::size_t length = SequenceLength(utf8);
        if (length == 0) {
            AppendEscape(out, "\\x%02X", byte);
            utf8.remove_prefix(1);
            continue;
        }
        const auto second = static_cast<unsigned char>(utf8[1]);
        if (byte == kUtf8C1Lead && second <= kLastC1Trail) {
            AppendEscape(out, "\\u%04X", second);  // C2 80..9F is U+0080..U+009F
        } else {
            out.append(utf8.substr(0, length));
        }
        utf8.remove_prefix(length);
    }
    return out;
}

}  // namespace tamovid::cli
