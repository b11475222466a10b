#include "tamovid/base/digits.h"

#include <array>
#include <charconv>
#include <iterator>

namespace tamovid {

void AppendTwoDigits(std::string& text, int value) {
    constexpr int kHundred = 100;
    if (value >= 0 && value < kHundred) {
        // The usual case, without the general conversion: batches write millions of these.
        const std::array<char, 2> pair = {static_cast<char>('0' + value / 10),
                                          static_cast<char>('0' + value % 10)};
        text.append(pair.data(), pair.size());
        return;
    }
    char digits[12] = {'0'};
    // A leading zero for 0..9 only; other numbers are written as they are.
    char* const start = value >= 0 && value < 10 ? digits + 1 : digits;
    char* const end = std::to_chars(start, std::end(digits), value).ptr;
    text.append(std::begin(digits), end);
}

std::string TwoDigits(int value) {
    std::string text;
    AppendTwoDigits(text, value);
    return text;
}

}  // namespace tamovid
