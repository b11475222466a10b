#include "tamovid/positions/longitude_text.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <string>

#include "tamovid/positions/blanks.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr std::string_view kDegreeMark = "\u00B0";
/// Room for the long form of any longitude under 360: "29° 59' 59\" Pis" and a little.
constexpr std::size_t kLongFormBytes = 24;

/// Digits already written out, with a leading zero when there is only one.
void AppendPaddedDigits(std::string& text, std::string_view digits) {
    if (digits.size() <= 1) text += '0';
    text += digits;
}

void AppendWhole(std::string& text, double value) {
    char digits[24];
    text.append(std::begin(digits),
                std::to_chars(std::begin(digits), std::end(digits), static_cast<long long>(value)).ptr);
}

}  // namespace

double Norm360(double x) {
    if (x < 0) x += 360;
    if (x > 360) x -= 360;
    return x;
}

std::string FormatLongitude(double x) {
    x = std::fabs(x);
    double degrees = std::floor(x);
    const double minutesExact = 60 * (x - degrees);
    const double minutes = std::floor(minutesExact);
    const double secondsFraction = minutesExact - minutes;
    // 360 (or more) wraps back to the first sign rather than to an empty abbreviation.
    const auto sign = static_cast<std::size_t>(std::fmod(std::floor(degrees / 30), 12.0));
    degrees = std::fmod(degrees, 30.0);
    const double seconds = std::floor(60 * secondsFraction);

    std::string text;
    text.reserve(kLongFormBytes);
    AppendWhole(text, degrees);
    text += kDegreeMark;
    text += ' ';
    AppendWhole(text, minutes);
    text += "' ";
    AppendWhole(text, seconds);
    text += "\" ";
    text += vntSignString.substr(3 * sign, 3);
    return text;
}

std::string ToSignFirst(std::string_view longForm) {
    const std::string_view u = TrimBlanks(longForm);
    const auto degreeMark = u.find(kDegreeMark);
    const auto minuteMark = u.find('\'');
    std::string_view degrees;
    std::string_view minutes;
    if (degreeMark != std::string_view::npos) {
        degrees = TrimBlanks(u.substr(0, degreeMark));
        const auto start = degreeMark + kDegreeMark.size();
        if (minuteMark != std::string_view::npos && minuteMark >= start) {
            minutes = TrimBlanks(u.substr(start, minuteMark - start));
        }
    }
    const std::string_view sign =
        TrimBlanks(longForm.size() >= 3 ? longForm.substr(longForm.size() - 3) : longForm);
    std::string text;
    AppendPaddedDigits(text, degrees);
    text += ' ';
    text += sign;
    text += ' ';
    AppendPaddedDigits(text, minutes);
    return text;
}

}  // namespace tamovid
