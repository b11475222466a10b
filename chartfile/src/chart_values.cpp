#include "chart_values.h"

#include <algorithm>

#include "tamovid/chartfile/codepage.h"
#include "tamovid/base/digits.h"

namespace tamovid::chartvalues {
namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

std::optional<int> ParseInRange(std::string_view digits, NumberRange range) {
    const std::optional<int> value = ParseDigitRun(digits);  // nothing when too large for int
    if (!value || *value < range.lowest || *value > range.highest) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string DecimalText(int value) { return std::to_string(value); }

std::optional<int> ParseListEntry(std::string_view text, NumberRange range) {
    if (!AllDigits(text) || (text.size() > 1 && text.front() == '0')) {
        return std::nullopt;
    }
    return ParseInRange(text, range);
}

std::optional<int> ParseNumberAllowingLeadingZeros(std::string_view text, NumberRange range) {
    return ParseInRange(text, range);
}

std::optional<std::string> ParseDigitField(std::string_view text) {
    if (!AllDigits(text) || text.size() > static_cast<std::size_t>(kCoordinateDigits)) {
        return std::nullopt;
    }
    return std::string(text);
}

std::optional<bool> ParseYesNo(std::string_view text) {
    if (text == "True") {
        return true;
    }
    if (text == "False") {
        return false;
    }
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    const auto digitsOnly = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), IsAsciiDigit);
    };
    if (whole.empty() && fraction.empty()) {
        return std::nullopt;  // no digit at all: "", "-", "."
    }
    if (!digitsOnly(whole) || !digitsOnly(fraction)) {
        return std::nullopt;
    }
    // Decided digit by digit, so no length of number can overflow.
    const auto nonZero = [](std::string_view part) {
        return part.find_first_not_of('0') != std::string_view::npos;
    };
    return nonZero(whole) || nonZero(fraction);
}

std::string_view YesNoText(bool value) { return value ? "True" : "False"; }

bool IsControlByte(unsigned char byte) {
    switch (byte) {
        case 0x7F:
        case 0x81:
        case 0x8D:
        case 0x8F:
        case 0x90:
        case 0x9D:
            return true;
        default:
            return byte < 0x20;
    }
}

std::optional<std::string> ParseFieldText(std::string_view bytes) {
    const bool hasControl = std::any_of(bytes.begin(), bytes.end(), [](char ch) {
        return IsControlByte(static_cast<unsigned char>(ch));
    });
    if (hasControl) {
        return std::nullopt;
    }
    return Windows1252ToUtf8(bytes);
}

}  // namespace tamovid::chartvalues
