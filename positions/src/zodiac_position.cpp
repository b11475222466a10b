#include "tamovid/positions/zodiac_position.h"

#include <algorithm>
#include <array>
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

constexpr std::size_t kIntChars = 11;  // the longest int: a sign and ten digits
constexpr std::size_t kLongestAbbreviation = [] {
    std::size_t longest = 0;
    for (const std::string_view abbreviation : strSignAbbr) {
        longest = std::max(longest, abbreviation.size());
    }
    return longest;
}();

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
    // Made in one piece and added at once: a batch writes five of these a row.
    std::array<char, 2 * kIntChars + kLongestAbbreviation + 2> piece;
    char* end = std::to_chars(piece.data(), piece.data() + kIntChars, p.degrees).ptr;
    *end++ = ' ';
    const std::string_view sign = Abbreviation(p.sign);
    end = std::copy(sign.begin(), sign.end(), end);
    *end++ = ' ';
    end = std::to_chars(end, end + kIntChars, p.minutes).ptr;
    text.append(piece.data(), end);
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
