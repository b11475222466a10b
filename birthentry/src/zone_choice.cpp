#include "tamovid/birthentry/zone_choice.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <iterator>
#include <tuple>

#include "tamovid/base/digits.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/positions/sun.h"
#include "tamovid/positions/tables.h"

namespace tamovid {
namespace {

constexpr int kMinutesPerHour = 60;

std::size_t CommonPrefix(std::string_view a, std::string_view b) {
    std::size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
    return n;
}

/// Picks among the rows that `fits` lets through; lower distance first, then the
/// abbreviation and the kind of row.
template <typename Distance>
std::optional<int> BestRow(std::string_view abbreviation, bool wantDaylightRow,
                           Distance&& distance) {
    std::optional<int> best;
    std::tuple<int, int, int, int> bestKey;
    for (std::size_t row = 0; row < kTimeZoneCount; ++row) {
        const std::optional<int> d = distance(static_cast<int>(row));
        if (!d) continue;
        const TimeZoneRow& zone = kTimeZoneRows[row];
        const std::string_view rowAbbreviation = zone.abbreviation;
        // Smaller is better in every element.
        const std::tuple<int, int, int, int> key{
            *d, rowAbbreviation == abbreviation ? 0 : 1,
            -static_cast<int>(CommonPrefix(rowAbbreviation, abbreviation)),
            (zone.kind != ZoneKind::kStandard) == wantDaylightRow ? 0 : 1};
        if (!best || key < bestKey) {
            best = static_cast<int>(row);
            bestKey = key;
        }
    }
    return best;
}

}  // namespace

int RowOffsetMinutes(int row, bool dst) {
    const auto r = static_cast<std::size_t>(row);
    return -(intTZHours[r] * kMinutesPerHour + intTZMinutes[r]) + (dst ? kMinutesPerHour : 0);
}

namespace {

ZoneRowChoice FindZoneRow(int offsetMinutes, bool dst, std::string_view abbreviation) {
    auto equal = [&](bool box) {
        return [=](int row) -> std::optional<int> {
            if (RowOffsetMinutes(row, box) == offsetMinutes) return 0;
            return std::nullopt;
        };
    };
    if (const auto row = BestRow(abbreviation, dst, equal(false))) return {*row, false, true};
    if (dst) {
        if (const auto row = BestRow(abbreviation, false, equal(true))) return {*row, true, true};
    }
    const auto nearest = BestRow(abbreviation, dst, [&](int row) -> std::optional<int> {
        return std::abs(RowOffsetMinutes(row, false) - offsetMinutes);
    });
    return {*nearest, false, false};
}

}  // namespace

ZoneRowChoice ChooseZoneRow(int offsetMinutes, bool dst, std::string_view abbreviation) {
    // A batch asks the same few questions row after row (a zone's offsets over the
    // years), and each answer is a search of the whole table: the last ones are kept.
    struct Answer {
        int offsetMinutes = 0;
        bool dst = false;
        std::string abbreviation;
        ZoneRowChoice choice;
    };
    constexpr std::size_t kKept = 32;
    thread_local std::array<Answer, kKept> kept;
    thread_local std::size_t filled = 0;
    thread_local std::size_t next = 0;
    for (std::size_t i = 0; i < filled; ++i) {
        const Answer& a = kept[i];
        if (a.offsetMinutes == offsetMinutes && a.dst == dst && a.abbreviation == abbreviation) {
            return a.choice;
        }
    }
    const ZoneRowChoice choice = FindZoneRow(offsetMinutes, dst, abbreviation);
    Answer& slot = kept[next];
    slot.offsetMinutes = offsetMinutes;
    slot.dst = dst;
    slot.abbreviation.assign(abbreviation);
    slot.choice = choice;
    next = (next + 1) % kKept;
    if (filled < kKept) ++filled;
    return choice;
}

void ApplyZoneOffset(BirthEntry& entry, int offsetMinutes, bool dst, std::string_view abbreviation,
                     std::string_view zone) {
    const ZoneRowChoice choice = ChooseZoneRow(offsetMinutes, dst, abbreviation);
    entry.cboTimeZone = choice.row;
    entry.chkDST = choice.dst;
    entry.utcOffsetMinutes = choice.exact ? std::nullopt : std::optional<int>(offsetMinutes);
    entry.tz = std::string(zone);
}

int RecordOffsetMinutes(const BirthRecord& record) {
    return -(record.vntZoneHour * kMinutesPerHour + record.vntZoneMinute) +
           (record.blnDST ? kMinutesPerHour : 0);
}

void AppendUniversalTimeText(std::string& text, const BirthRecord& record) {
    const CivilDateTime ut = UniversalDateTime(record);
    char year[12];
    text.append(std::begin(year), std::to_chars(std::begin(year), std::end(year), ut.year).ptr);
    text += '-';
    AppendTwoDigits(text, ut.month);
    text += '-';
    AppendTwoDigits(text, ut.day);
    text += 'T';
    AppendTwoDigits(text, ut.hour);
    text += ':';
    AppendTwoDigits(text, ut.minute);
}

std::string UniversalTimeText(const BirthRecord& record) {
    std::string text;
    AppendUniversalTimeText(text, record);
    return text;
}

}  // namespace tamovid
