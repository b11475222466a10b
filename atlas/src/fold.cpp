#include "tamovid/atlas/fold.h"

#include <array>
#include <cstdint>

namespace tamovid::atlas {
namespace {

// Base letters of U+00C0..U+00FF and U+0100..U+017F, case kept. '*' marks a code
// point with a two-letter form (see TwoLetterForm), '-' one that is not a letter.
constexpr std::string_view kLatin1Letters =
    "AAAAAA*CEEEEIIIIDNOOOOO-OUUUUY**"
    "aaaaaa*ceeeeiiiidnooooo-ouuuuy*y";
constexpr std::string_view kLatinExtendedALetters =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlLlLl"
    "NnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(kLatin1Letters.size() == 0x40);
static_assert(kLatinExtendedALetters.size() == 0x80);

constexpr char32_t kLatin1First = 0xC0;
constexpr char32_t kExtendedAFirst = 0x100;
constexpr char32_t kExtendedAEnd = 0x180;

std::string_view TwoLetterForm(char32_t c) {
    switch (c) {
        case 0xC6:
            return "AE";
        case 0xE6:
            return "ae";
        case 0xDE:
            return "TH";
        case 0xFE:
            return "th";
        case 0xDF:
            return "ss";
        case 0x132:
            return "IJ";
        case 0x133:
            return "ij";
        case 0x152:
            return "OE";
        case 0x153:
            return "oe";
        default:
            return {};
    }
}

enum class Kind { kLetters, kDropped, kSeparator, kUnknown };

struct Folded {
    Kind kind;
    std::string_view letters;  // for kLetters, case kept
    char single = 0;
};

Folded Classify(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        return {Kind::kLetters, {}, static_cast<char>(c)};
    }
    switch (c) {
        case '\'':
        case '.':
        case '"':
        case '`':
        case 0xB4:
        case 0x2BB:
        case 0x2BC:
        case 0x2018:
        case 0x2019:
            return {Kind::kDropped, {}};
        case ' ':
        case '\t':
        case '-':
        case '/':
        case ',':
        case '(':
        case ')':
        case '_':
        case 0xA0:
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
            return {Kind::kSeparator, {}};
        default:
            break;
    }
    if (c >= 0x300 && c < 0x370) return {Kind::kDropped, {}};  // combining accents
    if (c >= kLatin1First && c < kExtendedAEnd) {
        const char base = c < kExtendedAFirst ? kLatin1Letters[c - kLatin1First]
                                              : kLatinExtendedALetters[c - kExtendedAFirst];
        if (base == '*') return {Kind::kLetters, TwoLetterForm(c)};
        if (base != '-') return {Kind::kLetters, {}, base};
    }
    switch (c) {
        case 0x218:
            return {Kind::kLetters, {}, 'S'};
        case 0x219:
            return {Kind::kLetters, {}, 's'};
        case 0x21A:
            return {Kind::kLetters, {}, 'T'};
        case 0x21B:
            return {Kind::kLetters, {}, 't'};
        default:
            break;
    }
    if (c < 0x80) return {Kind::kSeparator, {}};  // other ASCII punctuation
    return {Kind::kUnknown, {}};
}

/// Decodes one UTF-8 code point; a malformed byte reads as U+FFFD and is skipped.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else
        return 0xFFFD;
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size()) return 0xFFFD;
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (next & 0x3F);
        ++i;
    }
    return c;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

enum class Unknown { kRefuse, kDrop };
enum class Letters { kSearch, kForm };

std::optional<std::string> Fold(std::string_view text, Unknown unknown, Letters letters) {
    std::string out;
    out.reserve(text.size());
    bool pendingBlank = false;
    auto put = [&](char c) {
        if (letters == Letters::kForm && c >= '0' && c <= '9') {
            pendingBlank = true;  // digits are not letters in a form field
            return;
        }
        if (pendingBlank && !out.empty()) out += ' ';
        pendingBlank = false;
        out += letters == Letters::kSearch ? Lower(c) : c;
    };
    for (std::size_t i = 0; i < text.size();) {
        const Folded f = Classify(NextCodePoint(text, i));
        switch (f.kind) {
            case Kind::kLetters:
                if (f.letters.empty()) {
                    put(f.single);
                } else {
                    for (const char c : f.letters) put(c);
                }
                break;
            case Kind::kDropped:
                break;
            case Kind::kSeparator:
                pendingBlank = true;
                break;
            case Kind::kUnknown:
                if (unknown == Unknown::kRefuse) return std::nullopt;
                break;
        }
    }
    return out;
}

}  // namespace

std::optional<std::string> FoldName(std::string_view utf8) {
    return Fold(utf8, Unknown::kRefuse, Letters::kSearch);
}

std::string FoldQuery(std::string_view utf8) {
    return *Fold(utf8, Unknown::kDrop, Letters::kSearch);
}

std::string FormLetters(std::string_view utf8) {
    return *Fold(utf8, Unknown::kDrop, Letters::kForm);
}

}  // namespace tamovid::atlas
