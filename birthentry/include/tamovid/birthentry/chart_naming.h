#pragma once

#include <string>
#include <string_view>

#include "tamovid/positions/birth_record.h"

namespace tamovid {

/// Whose chart it is, in one line: "Asha Rao · 14 March 1985 · 10:25 · Pune, Maharashtra,
/// India". Parts that are empty (no name, no place) are left out with their separator.
std::string ChartHeadlineText(const BirthRecord& record);

/// The longest name part a proposed file name keeps, in bytes; with the date and the
/// extension it stays well under the 255 bytes most file systems allow.
inline constexpr std::size_t kMaxFileNameStemBytes = 120;

/// A file name to offer for a chart's picture or document: the person's name and the birth
/// date, "Asha Rao 1985-03-14.png". Characters that file systems refuse or treat specially
/// (path separators, control characters, `:*?"<>|`) become "_", blanks are collapsed and
/// leading dots dropped, so the name never reaches another folder or hides the file. A
/// name with nothing usable left gives `fallback` alone ("Rasi chart"). `extension`
/// includes its dot.
std::string ProposedFileName(const BirthRecord& record, std::string_view fallback,
                             std::string_view extension);

}  // namespace tamovid
