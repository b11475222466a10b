#include "tamovid/birthentry/chart_naming.h"

#include <array>
#include <cstdio>

#include "tamovid/base/digits.h"
#include "tamovid/positions/blanks.h"
#include "tamovid/positions/record_text.h"

namespace tamovid {
namespace {

constexpr std::string_view kSeparator = " \u00B7 ";  // a middle dot between blanks
constexpr std::string_view kRefusedInFileNames = "/\\:*?\"<>|";

bool HasDate(const BirthRecord& r) { return r.intMonth >= 1 && r.intMonth <= 12 && r.intYear > 0; }

// Cuts a UTF-8 text to at most `bytes`, never inside a character.
std::string CutUtf8(std::string text, std::size_t bytes) {
    if (text.size() <= bytes) return text;
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) --end;
    text.resize(end);
    return text;
}

std::string SafeStem(std::string_view name) {
    std::string stem;
    bool blank = false;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ' || c == '\t') {
            blank = true;
            continue;
        }
        if (blank && !stem.empty()) stem += ' ';
        blank = false;
        const bool refused =
            byte < 0x20 || byte == 0x7F || kRefusedInFileNames.find(c) != std::string_view::npos;
        stem += refused ? '_' : c;
    }
    // A leading dot hides the file or names a folder ("..").
    while (!stem.empty() && (stem.front() == '.' || stem.front() == ' ')) stem.erase(0, 1);
    stem = CutUtf8(std::move(stem), kMaxFileNameStemBytes);
    // Windows drops trailing dots and blanks, which would make two names one.
    while (!stem.empty() && (stem.back() == '.' || stem.back() == ' ')) stem.pop_back();
    return stem;
}

std::string IsoDate(const BirthRecord& r) {
    std::array<char, 40> text{};  // room for any three ints, so nothing is cut
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", r.intYear, r.intMonth, r.intDate);
    return text.data();
}

}  // namespace

std::string ChartHeadlineText(const BirthRecord& r) {
    std::string line;
    auto add = [&line](std::string_view part) {
        if (part.empty()) return;
        if (!line.empty()) line += kSeparator;
        line += part;
    };
    add(TrimBlanks(r.strName));
    if (HasDate(r)) add(DateText(r.intDate, r.intMonth, r.intYear));
    add(TwoDigits(r.intHour) + ':' + TwoDigits(r.intMinute) + (r.blnDST ? " DST" : ""));
    add(PlaceText(r));
    return line;
}

std::string ProposedFileName(const BirthRecord& record, std::string_view fallback,
                             std::string_view extension) {
    const std::string stem = SafeStem(record.strName);
    if (stem.empty()) return std::string(fallback) + std::string(extension);
    return stem + (HasDate(record) ? ' ' + IsoDate(record) : std::string()) +
           std::string(extension);
}

}  // namespace tamovid
