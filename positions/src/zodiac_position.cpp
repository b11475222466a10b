#include "tamovid/positions/zodiac_position.h"

#include <charconv>
#include <cmath>
#include <iterator>

#include "tamovid/base/digits.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr int kSignCount = 12;
constexpr int kDegreesPerSign = 30;
constexpr int kMinutesPerDegree = 60;
constexpr int kMinutesPerSign = kDegreesPerSign * kMinutesPerDegree;
constexpr int kMinutesPerCircle = kSignCount * kMinutesPerSign;

void AppendNumber(std::string& text, int value) {
    char digits[12];
    text.append(std::begin(digits), std::to_chars(std::begin(digits), std::end(digits), value).ptr);
}

std::string_view Abbreviation(int sign) {
    return strSignAbbr[static_cast<std::size_t>(sign >= 0 && sign < kSignCount ? sign : 12)];
}

}  // namespace

ZodiacPosition PositionAt(double longitude) {
    // The same steps as the long text form, so that both always agree.
    const double x = std::fabs(longitude);
    const double wholeDegrees = std::floor(x);
    const double minutes = std::floor(60 * (x - wholeDegrees));
    return {static_cast<int>(std::fmod(std::floor(wholeDegrees / kDegreesPerSign), kSignCount)),
            static_cast<int>(std::fmod(wholeDegrees, kDegreesPerSign)), static_cast<int>(minutes),
            longitude};
}

ZodiacPosition PositionInMinutes(int arcMinutes) {
    const int wrapped = ((arcMinutes % kMinutesPerCircle) + kMinutesPerCircle) % kMinutesPerCircle;
    return {wrapped / kMinutesPerSign, wrapped % kMinutesPerSign / kMinutesPerDegree,
            wrapped % kMinutesPerDegree, wrapped / static_cast<double>(kMinutesPerDegree)};
}

int ArcMinutes(const ZodiacPosition& p) {
    return p.sign * kMinutesPerSign + p.degrees * kMinutesPerDegree + p.minutes;
}

void AppendCompactText(std::string& text, const ZodiacPosition& p) {
    AppendTwoDigits(text, p.degrees);
    text += ' ';
    text += Abbreviation(p.sign);
    text += ' ';
    AppendTwoDigits(text, p.minutes);
}

void AppendPointText(std::string& text, const ZodiacPosition& p) {
    AppendNumber(text, p.degrees);
    text += ' ';
    text += Abbreviation(p.sign);
    text += ' ';
    AppendNumber(text, p.minutes);
}

std::string CompactText(const ZodiacPosition& p) {
    std::string text;
    AppendCompactText(text, p);
    return text;
}

std::string PointText(const ZodiacPosition& p) {
    std::string text;
    AppendPointText(text, p);
    return text;
}

}  // namespace tamovid
