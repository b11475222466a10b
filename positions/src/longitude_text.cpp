#include "tamovid/positions/longitude_text.h"

#include <cmath>
#include <string>

#include "tamovid/positions/blanks.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr std::string_view kDegreeMark = "\u00B0";

std::string TwoDigits(std::string_view s) {
    std::string out(s);
    if (out.size() <= 1) out.insert(0, "0");
    return out;
}

std::string Whole(double value) { return std::to_string(static_cast<long long>(value)); }

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

    std::string text = Whole(degrees);
    text += kDegreeMark;
    text += " " + Whole(minutes) + "' " + Whole(seconds) + "\" ";
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
    return TwoDigits(degrees) + " " + std::string(sign) + " " + TwoDigits(minutes);
}

}  // namespace tamovid
