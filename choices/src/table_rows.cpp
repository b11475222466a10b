#include "tamovid/choices/table_rows.h"

namespace tamovid {
namespace {

char Folded(char c) {
    if (c == ' ' || c == '_') return '-';
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c;
}

}  // namespace

bool SameKey(std::string_view text, std::string_view key) {
    if (text.size() != key.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Folded(text[i]) != Folded(key[i])) return false;
    }
    return true;
}

}  // namespace tamovid
