#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tamovid/birthentry/birth_entry.h"
#include "tamovid/positions/birth_record.h"

namespace tamovid {

/// The offset from Universal Time (local minus UT, minutes) that a zone-list row
/// gives, with the daylight-saving box ticked or not.
int RowOffsetMinutes(int row, bool dst);

/// The zone list's row and box for an offset that a place's zone had.
struct ZoneRowChoice {
    int row = 0;
    bool dst = false;
    bool exact = true;  ///< false: no row gives the offset, and `row` is the nearest one

    friend bool operator==(const ZoneRowChoice&, const ZoneRowChoice&) = default;
};

/// A row that gives the offset without the box; else, while daylight saving is in
/// force, a standard-time row with the box ticked; else the nearest row, box clear.
/// Among equals, the row whose abbreviation matches the zone's (EDT, IST, BST) wins,
/// then the closest abbreviation, then a row of the same kind (daylight or standard),
/// then table order.
ZoneRowChoice ChooseZoneRow(int offsetMinutes, bool dst, std::string_view abbreviation);

/// Sets the form's zone row and box for a place's offset, and its exact offset when no
/// row gives it (cleared otherwise); `zone` is the place's zone name, kept for the chart.
void ApplyZoneOffset(BirthEntry& entry, int offsetMinutes, bool dst, std::string_view abbreviation,
                     std::string_view zone);

/// The offset from UT that a filled record uses (daylight hour included).
int RecordOffsetMinutes(const BirthRecord& record);

/// "1975-12-03T05:00": the Universal Time of a filled record.
std::string UniversalTimeText(const BirthRecord& record);
/// The same added to the end of `text`.
void AppendUniversalTimeText(std::string& text, const BirthRecord& record);

}  // namespace tamovid
