#include "tamovid/cli/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <iterator>

#include <nlohmann/json.hpp>

namespace tamovid::cli {
namespace {

/// Bytes that stand for themselves inside a JSON string: printable ASCII but the quote
/// and the backslash.
constexpr std::array<bool, 256> kPlainJsonBytes = [] {
    std::array<bool, 256> plain{};
    for (int c = ' '; c <= 0x7F; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return plain;
}();

/// Length of the well-formed UTF-8 sequence that starts text[i] (a byte of 0x80 or
/// more), or 0 when it is not one: no overlong forms, no surrogates, nothing past U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    auto continuation = [&](std::size_t k, unsigned char low = 0x80, unsigned char high = 0xBF) {
        return k < text.size() && byte(k) >= low && byte(k) <= high;
    };
    const unsigned char lead = byte(i);
    if (lead >= 0xC2 && lead <= 0xDF) return continuation(i + 1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return continuation(i + 1, low, high) && continuation(i + 2) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return continuation(i + 1, low, high) && continuation(i + 2) && continuation(i + 3) ? 4
                                                                                           : 0;
    }
    return 0;
}

void AppendEscaped(std::string& out, char c) {
    constexpr std::string_view kHex = "0123456789abcdef";
    switch (c) {
        case '"': out += "\\\""; return;
        case '\\': out += "\\\\"; return;
        case '\b': out += "\\b"; return;
        case '\f': out += "\\f"; return;
        case '\n': out += "\\n"; return;
        case '\r': out += "\\r"; return;
        case '\t': out += "\\t"; return;
        default: break;
    }
    const auto code = static_cast<unsigned char>(c);
    out += "\\u00";
    out += kHex[code >> 4];
    out += kHex[code & 0xF];
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view value) {
    const std::size_t start = out.size();
    out += '"';
    for (std::size_t i = 0; i < value.size();) {
        const auto byte = static_cast<unsigned char>(value[i]);
        if (kPlainJsonBytes[byte]) {
            std::size_t end = i + 1;
            while (end < value.size() && kPlainJsonBytes[static_cast<unsigned char>(value[end])]) {
                ++end;
            }
            out.append(value, i, end - i);
            i = end;
        } else if (byte < 0x80) {
            AppendEscaped(out, value[i]);
            ++i;
        } else if (const std::size_t length = Utf8SequenceLength(value, i); length != 0) {
            out.append(value, i, length);
            i += length;
        } else {
            // Broken UTF-8 is rare; its replacement follows the library's own rules.
            out.resize(start);
            out += nlohmann::ordered_json(value).dump(
                -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
            return;
        }
    }
    out += '"';
}

void AppendJsonInteger(std::string& out, std::int64_t value) {
    char digits[24];
    out.append(digits, std::to_chars(std::begin(digits), std::end(digits), value).ptr);
}

void AppendJsonUnsigned(std::string& out, std::uint64_t value) {
    char digits[24];
    out.append(digits, std::to_chars(std::begin(digits), std::end(digits), value).ptr);
}

void AppendJsonNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    // The library's own shortest form ("257.808043", "120.0"), so that numbers read the
    // same whichever way a reading was written.
    char digits[64];
    out.append(digits, nlohmann::detail::to_chars(std::begin(digits), std::end(digits), value));
}

void JsonWriter::BeforeValue() {
    if (afterValue_) out_ += ',';
    afterValue_ = true;
}

void JsonWriter::BeginObject() {
    BeforeValue();
    out_ += '{';
    afterValue_ = false;
}

void JsonWriter::EndObject() {
    out_ += '}';
    afterValue_ = true;
}

void JsonWriter::BeginArray() {
    BeforeValue();
    out_ += '[';
    afterValue_ = false;
}

void JsonWriter::EndArray() {
    out_ += ']';
    afterValue_ = true;
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    AppendJsonString(out_, key);
    out_ += ':';
    afterValue_ = false;
}

void JsonWriter::String(std::string_view value) {
    BeforeValue();
    AppendJsonString(out_, value);
}

void JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    AppendJsonInteger(out_, value);
}

void JsonWriter::Unsigned(std::uint64_t value) {
    BeforeValue();
    AppendJsonUnsigned(out_, value);
}

void JsonWriter::Number(double value) {
    BeforeValue();
    AppendJsonNumber(out_, value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    out_ += "null";
}

void JsonWriter::Raw(std::string_view json) {
    BeforeValue();
    out_ += json;
}

double SixDecimalDegrees(double degrees) {
    constexpr double kScale = 1e6;
    double rounded = std::round(degrees * kScale) / kScale;
    if (rounded >= 360) rounded -= 360;
    return rounded;
}

}  // namespace tamovid::cli
