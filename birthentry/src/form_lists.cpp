#include "tamovid/birthentry/form_lists.h"

#include "number_text.h"

namespace tamovid {
namespace {

std::string EntryText(int position, int first, int count) {
    if (position < 0 || position >= count) return {};
    return std::to_string(first + position);
}

std::optional<int> EntryValue(int position, int first, int count) {
    if (position < 0 || position >= count) return std::nullopt;
    return first + position;
}

std::optional<int> EntryPosition(std::string_view text, int first, int count) {
    // Entries are plain decimals: "07" or " 7" is no entry's text.
    const std::optional<int> value = ParseFormNumber(text);
    if (!value || std::to_string(*value) != text) return std::nullopt;
    const int position = *value - first;
    if (position < 0 || position >= count) return std::nullopt;
    return position;
}

}  // namespace

std::string DateListText(int position) { return EntryText(position, kFirstDay, kDayCount); }
std::string YearListText(int position) { return EntryText(position, kFirstYear, kYearCount); }
std::string HourListText(int position) { return EntryText(position, 0, kHourCount); }
std::string MinuteListText(int position) { return EntryText(position, 0, kMinuteCount); }

std::optional<int> DateListValue(int position) {
    return EntryValue(position, kFirstDay, kDayCount);
}
std::optional<int> YearListValue(int position) {
    return EntryValue(position, kFirstYear, kYearCount);
}
std::optional<int> HourListValue(int position) { return EntryValue(position, 0, kHourCount); }
std::optional<int> MinuteListValue(int position) { return EntryValue(position, 0, kMinuteCount); }

std::optional<int> DateListPosition(std::string_view text) {
    return EntryPosition(text, kFirstDay, kDayCount);
}
std::optional<int> YearListPosition(std::string_view text) {
    return EntryPosition(text, kFirstYear, kYearCount);
}
std::optional<int> HourListPosition(std::string_view text) {
    return EntryPosition(text, 0, kHourCount);
}
std::optional<int> MinuteListPosition(std::string_view text) {
    return EntryPosition(text, 0, kMinuteCount);
}

}  // namespace tamovid
