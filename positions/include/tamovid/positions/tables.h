#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tamovid {

inline constexpr std::size_t kTimeZoneCount = 71;

/// Whether a zone's clocks keep standard time or are put forward (summer or war time).
enum class ZoneKind { kStandard, kDaylight, kWar };

/// One time zone as offered to the user. The label is shown exactly as stored and nothing
/// parses it: the correction drives the arithmetic, the other columns the choice of a row
/// for a place. The correction is what to add to local clock time to obtain Universal
/// Time, so its sign is the opposite of the label's offset.
struct TimeZoneRow {
    std::string_view label;
    std::int16_t hours;         ///< correction, whole hours
    std::int16_t minutes;       ///< correction, minutes, with the sign of the hours
    std::string_view abbreviation;  ///< as the label writes it: "IST"
    ZoneKind kind;
};

/// The zones in list order: a list position equals a row index.
inline constexpr std::array<TimeZoneRow, kTimeZoneCount> kTimeZoneRows = {{
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0, "AHDT", ZoneKind::kDaylight},
    {"Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0, "AHST", ZoneKind::kStandard},
    {"Alaska/Hawaii War Time,AHWT,-9.0", 9, 0, "AHWT", ZoneKind::kWar},
    {"Atlantic Standard Time,AST,-4.0", 4, 0, "AST", ZoneKind::kStandard},
    {"Atlantic War Time,AWT,-3.0", 3, 0, "AWT", ZoneKind::kWar},
    {"Australian Central Daylight Time,ACDT,10.30", -10, -30, "ACDT", ZoneKind::kDaylight},
    {"Australian Central Standard Time,ACST,9.30", -9, -30, "ACST", ZoneKind::kStandard},
    {"Australian Eastern Daylight Time,AEDT,11.0", -11, 0, "AEDT", ZoneKind::kDaylight},
    {"Australian Eastern Standard Time,AEST,10.0", -10, 0, "AEST", ZoneKind::kStandard},
    {"Australian Western Daylight Time,AWDT,9.0", -9, 0, "AWDT", ZoneKind::kDaylight},
    {"Australian Western Standard Time,AWST,8.0", -8, 0, "AWST", ZoneKind::kStandard},
    {"Azores Time, AT, -2.0", 2, 0, "AT", ZoneKind::kStandard},
    {"Baghdad Time, BAT, 3.0", -3, 0, "BAT", ZoneKind::kStandard},
    {"Bering Standard Time,BET,-11.0", 11, 0, "BET", ZoneKind::kStandard},
    {"Brazil Zone 2,BZT2,-3.0", 3, 0, "BZT2", ZoneKind::kStandard},
    {"British Double Summer Time,BDST,2.0", -2, 0, "BDST", ZoneKind::kDaylight},
    {"British Summer Time,BST,1.0", -1, 0, "BST", ZoneKind::kDaylight},
    {"British War Time,BWT,2.0", -2, 0, "BWT", ZoneKind::kWar},
    {"Central Daylight Time,CDT,-5.0", 5, 0, "CDT", ZoneKind::kDaylight},
    {"Central European Daylight,CED,2.0", -2, 0, "CED", ZoneKind::kDaylight},
    {"Central European Time,CET,1.0", -1, 0, "CET", ZoneKind::kStandard},
    {"Central Standard Time,CST,-6.0", 6, 0, "CST", ZoneKind::kStandard},
    {"Central War Time,CWT,-5.0", 5, 0, "CWT", ZoneKind::kWar},
    {"China Coast Time,CCT,8.0", -8, 0, "CCT", ZoneKind::kStandard},
    {"Eastern Daylight Time,EDT,-4.0", 4, 0, "EDT", ZoneKind::kDaylight},
    {"Eastern European Daylight Time,EED,3.0", -3, 0, "EED", ZoneKind::kDaylight},
    {"Eastern European Time,EET,2.0", -2, 0, "EET", ZoneKind::kStandard},
    {"Eastern Standard Time,EST,-5.0", 5, 0, "EST", ZoneKind::kStandard},
    {"Eastern War Time,EWT,-4.0", 4, 0, "EWT", ZoneKind::kWar},
    {"Greenwich Mean Time,GMT,-0.0", 0, 0, "GMT", ZoneKind::kStandard},
    {"Guam Standard Time,GST,10.0", -10, 0, "GST", ZoneKind::kStandard},
    {"Hawaiian Daylight Time,HDT,-9.30", 9, 30, "HDT", ZoneKind::kDaylight},
    {"Hawaiian Standard Time,HST,-10.30", 10, 30, "HST", ZoneKind::kStandard},
    {"Hawaiian War Time,HWT,-9.30", 9, 30, "HWT", ZoneKind::kWar},
    {"Indian Time, IST, 5.3", -5, -30, "IST", ZoneKind::kStandard},
    {"Int'l Date Line East,IDLE,12.0", -12, 0, "IDLE", ZoneKind::kStandard},
    {"Int'l Date Line West,IDLW,-12.0", 12, 0, "IDLW", ZoneKind::kStandard},
    {"Iran Time, IT, 3.30", -3, -30, "IT", ZoneKind::kStandard},
    {"Japan Standard Time,JST,9.0", -9, 0, "JST", ZoneKind::kStandard},
    {"Java Time, JT, 7.30", -7, -30, "JT", ZoneKind::kStandard},
    {"Middle European Daylight Time,MED,2.0", -2, 0, "MED", ZoneKind::kDaylight},
    {"Middle European Time,MET,1.0", -1, 0, "MET", ZoneKind::kStandard},
    {"Moluccas Time, MT, 8.30", -8, -30, "MT", ZoneKind::kStandard},
    {"Mountain Daylight Time,MDT,-6.0", 6, 0, "MDT", ZoneKind::kDaylight},
    {"Mountain Standard Time,MST,-7.0", 7, 0, "MST", ZoneKind::kStandard},
    {"Mountain War Time,MWT,-6.0", 6, 0, "MWT", ZoneKind::kWar},
    {"New Zealand Std Summer Time,NZST,13.0", -13, 0, "NZST", ZoneKind::kDaylight},
    {"New Zealand Std Time,NZT,12.0", -12, 0, "NZT", ZoneKind::kStandard},
    {"New Zealand Summer Time,NZS,12.30", -12, -30, "NZS", ZoneKind::kDaylight},
    {"New Zealand Time,NZ,11.30", -11, -30, "NZ", ZoneKind::kStandard},
    {"Newfoundland Standard Time,NST,-3.30", 3, 30, "NST", ZoneKind::kStandard},
    {"Nome Time, NT, 11.0", 11, 0, "NT", ZoneKind::kStandard},
    {"North Sumatra Time,NST,6.30", -6, -30, "NST", ZoneKind::kStandard},
    {"Pacific Daylight Time,PDT,-7.0", 7, 0, "PDT", ZoneKind::kDaylight},
    {"Pacific Standard Time,PST,-8.0", 8, 0, "PST", ZoneKind::kStandard},
    {"Pacific War Time,PWT,-7.0", 7, 0, "PWT", ZoneKind::kWar},
    {"South Australia Daylight Time,SAD,10.30", -10, -30, "SAD", ZoneKind::kDaylight},
    {"South Australia Daylight Time,SDT,10.30", -10, -30, "SDT", ZoneKind::kDaylight},
    {"South Australia Standard Time,SAST,9.30", -9, -30, "SAST", ZoneKind::kStandard},
    {"South Australia Standard Time,SAT,9.30", -9, -30, "SAT", ZoneKind::kStandard},
    {"South Sumatra Time,SST,7.0", -7, 0, "SST", ZoneKind::kStandard},
    {"Universal Time, UT, 0.0", 0, 0, "UT", ZoneKind::kStandard},
    {"USSR Zone 10,UZ10,11.0", -11, 0, "UZ10", ZoneKind::kStandard},
    {"USSR Zone 3,USZ3,4.0", -4, 0, "USZ3", ZoneKind::kStandard},
    {"USSR Zone 4,USZ4,5.0", -5, 0, "USZ4", ZoneKind::kStandard},
    {"USSR Zone 5,USZ5,6.0", -6, 0, "USZ5", ZoneKind::kStandard},
    {"USSR Zone 6,USZ6,7.0", -7, 0, "USZ6", ZoneKind::kStandard},
    {"West Africa Time,WAT,-1.0", 1, 0, "WAT", ZoneKind::kStandard},
    {"Yukon Daylight Time,YDT,-8.0", 8, 0, "YDT", ZoneKind::kDaylight},
    {"Yukon Standard Time,YST,-9.0", 9, 0, "YST", ZoneKind::kStandard},
    {"Yukon War Time,YWT,-8.0", 8, 0, "YWT", ZoneKind::kWar},
}};

namespace tables_detail {
template <typename Field>
constexpr auto Column(Field TimeZoneRow::*field) {
    std::array<Field, kTimeZoneCount> column{};
    for (std::size_t row = 0; row < kTimeZoneCount; ++row) column[row] = kTimeZoneRows[row].*field;
    return column;
}
}  // namespace tables_detail

/// The zone labels, one per row.
inline constexpr std::array<std::string_view, kTimeZoneCount> strTimeZones =
    tables_detail::Column(&TimeZoneRow::label);
/// The hours of each row's correction.
inline constexpr std::array<std::int16_t, kTimeZoneCount> intTZHours =
    tables_detail::Column(&TimeZoneRow::hours);
/// The minutes of each row's correction.
inline constexpr std::array<std::int16_t, kTimeZoneCount> intTZMinutes =
    tables_detail::Column(&TimeZoneRow::minutes);

/// Sign abbreviations in zodiac order; index 12 is deliberately empty.
inline constexpr std::array<std::string_view, 13> strSignAbbr = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis", ""};

/// The twelve abbreviations run together, three characters each.
inline constexpr std::string_view vntSignString = "AriTauGemCanLeoVirLibScoSagCapAquPis";

/// Sign index 0..11 of an abbreviation, or -1 when it matches none (exact, case-sensitive).
constexpr int SignIndex(std::string_view abbreviation) {
    for (int i = 0; i < 12; ++i) {
        if (strSignAbbr[static_cast<std::size_t>(i)] == abbreviation) return i;
    }
    return -1;
}

}  // namespace tamovid
