#include "tamovid/chartfile/text_shift.h"

namespace tamovid {
namespace {

constexpr unsigned kShift = 85;
constexpr unsigned kHighestShiftable = 255 - kShift;  // 170

}  // namespace

std::string ScrambleText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto code = static_cast<unsigned char>(ch);
        if (code <= kHighestShiftable) {
            out.push_back(static_cast<char>(code + kShift));
        }
    }
    return out;
}

std::string UnscrambleText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= kShift) {
            out.push_back(static_cast<char>(code - kShift));
        }
    }
    return out;
}

}  // namespace tamovid
