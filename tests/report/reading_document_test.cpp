#include <QPageSize>

#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <optional>
#include <ostream>
#include <regex>
#include <sstream>
#include <string>
#include <variant>

#include "pdf_tools.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/chart_session.h"
#include "tamovid/birthentry/place_zone.h"
#include "tamovid/report/birth_times.h"
#include "tamovid/report/full_reading.h"
#include "tamovid/report/reading_document.h"
#include "tamovid/report/reading_sheet.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid {
namespace {

using testing_support::Delhi1947;
using testing_support::Flattened;

PrintableReading DelhiPrintable() {
    const BirthEntry entry = Delhi1947();
    PrintableReading printable;
    printable.reading = Calculate(testing_support::BirthOf(entry));
    printable.zoneLabel = std::string(ZoneRowLabel(entry.cboTimeZone));
    return printable;
}

struct UtCase {
    const char* name;
    int day, month, year, hour, minute;
    int zoneHour, zoneMinute;  // correction to UT, as the zone table holds it
    bool dst;
    const char* offset;
    int utDay, utMonth, utYear, utHour, utMinute;
};

class UniversalTimeTest : public ::testing::TestWithParam<UtCase> {};

TEST_P(UniversalTimeTest, CarriesTheCalendar) {
    const UtCase& c = GetParam();
    BirthRecord r;
    r.intDate = static_cast<std::int16_t>(c.day);
    r.intMonth = static_cast<std::int16_t>(c.month);
    r.intYear = static_cast<std::int16_t>(c.year);
    r.intHour = static_cast<std::int16_t>(c.hour);
    r.intMinute = static_cast<std::int16_t>(c.minute);
    r.vntZoneHour = static_cast<std::int16_t>(c.zoneHour);
    r.vntZoneMinute = static_cast<std::int16_t>(c.zoneMinute);
    r.blnDST = c.dst;
    const BirthUniversalTime ut = UniversalTimeOf(r);
    EXPECT_EQ(UtOffsetText(ut.offsetMinutes), c.offset);
    EXPECT_EQ((std::array{ut.day, ut.month, ut.year, ut.hour, ut.minute}),
              (std::array{c.utDay, c.utMonth, c.utYear, c.utHour, c.utMinute}));
}

INSTANTIATE_TEST_SUITE_P(Births, UniversalTimeTest,
                         ::testing::Values(UtCase{"IndiaBackIntoTheDayBefore", 15, 8, 1947, 0, 0,
                                                  -5, -30, false, "UT+05:30", 14, 8, 1947, 18, 30},
                                           UtCase{"WestOverNewYear", 31, 12, 2050, 23, 0, 5, 0,
                                                  false, "UT-05:00", 1, 1, 2051, 4, 0},
                                           UtCase{"DaylightSavingAnHourAhead", 1, 7, 1980, 12, 0, 5,
                                                  0, true, "UT-04:00", 1, 7, 1980, 16, 0},
                                           UtCase{"MidnightEndingTheDay", 28, 2, 2000, 24, 0, 0, 0,
                                                  false, "UT+00:00", 29, 2, 2000, 0, 0},
                                           UtCase{"HalfHourWest", 1, 3, 1950, 1, 15, 10, 30, false,
                                                  "UT-10:30", 1, 3, 1950, 11, 45}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ZoneCase {
    const char* name;
    const char* zone;
    int day, month, year, hour;
    std::optional<int> offsetMinutes;  // as a chart file may hold it; else the zone's own
    const char* zoneLine;
    const char* daylight;
    const char* universalTime;
};

void PrintTo(const ZoneCase& c, std::ostream* os) { *os << c.name; }

class ReadingSheetZoneTest : public ::testing::TestWithParam<ZoneCase> {};

// A place's zone was printed with the label of whichever list row had its offset and
// the box the row needed: Berlin at +02:00 as "Eastern European Time" beside "Daylight
// saving No", London in December 1969 as "British Summer Time".
TEST_P(ReadingSheetZoneTest, NamesThePlacesZoneByItsHistory) {
    const ZoneCase& c = GetParam();
    BirthEntry entry = Delhi1947();
    entry.cboDate = c.day - 1;
    entry.cboMonth = c.month - 1;
    entry.cboYear = c.year - 1901;
    entry.cboHour = c.hour;
    if (c.offsetMinutes) {
        entry.utcOffsetMinutes = c.offsetMinutes;
        entry.tz = c.zone;
    } else {
        const auto local = EnteredTimeInZone(entry, c.zone);
        ASSERT_TRUE(local.ok() && local.value()) << c.name;
        ApplyZoneOffset(entry, local.value()->offset, c.zone);
    }
    const ReadingSheet sheet =
        MakeReadingSheet(Calculate(testing_support::BirthOf(entry)), ZoneRowLabel(entry.cboTimeZone));
    auto fact = [&](std::string_view label) {
        for (const SheetFact& f : sheet.birth) {
            if (f.label == label) return f.value;
        }
        return std::string();
    };
    EXPECT_EQ(fact("Time zone"), c.zoneLine);
    EXPECT_EQ(fact("Daylight saving"), c.daylight);
    EXPECT_EQ(fact("Universal Time"), c.universalTime);
}

constexpr const char* kSummer = "Yes, summer time by the zone's history";
constexpr const char* kStandard = "No, standard time by the zone's history";

INSTANTIATE_TEST_SUITE_P(
    Places, ReadingSheetZoneTest,
    ::testing::Values(
        ZoneCase{"BerlinAtPlusTwo", "Europe/Berlin", 30, 4, 1990, 9, std::nullopt,
                 "Europe/Berlin, CEST, summer time, UT+02:00", kSummer, "07:00 on 30 April 1990"},
        ZoneCase{"BerlinInJuly", "Europe/Berlin", 15, 7, 1985, 14, std::nullopt,
                 "Europe/Berlin, CEST, summer time, UT+02:00", kSummer, "12:00 on 15 July 1985"},
        ZoneCase{"BerlinInJulyBeforeSummerTimeCameBack", "Europe/Berlin", 15, 7, 1975, 14,
                 std::nullopt, "Europe/Berlin, CET, standard time, UT+01:00", kStandard,
                 "13:00 on 15 July 1975"},
        ZoneCase{"LondonDecember1969", "Europe/London", 15, 12, 1969, 12, std::nullopt,
                 "Europe/London, BST, standard time, UT+01:00", kStandard,
                 "11:00 on 15 December 1969"},
        // Nepal's +5:45 has no row; the place's exact offset is printed and used for UT.
        ZoneCase{"KathmanduExactOffset", "Asia/Kathmandu", 15, 8, 1990, 0, std::nullopt,
                 "Asia/Kathmandu, +0545, standard time, UT+05:45", kStandard,
                 "18:15 on 14 August 1990"},
        // A stored offset the zone never had then is named, without a history to claim.
        ZoneCase{"OffsetTheZoneNeverHad", "Asia/Kathmandu", 15, 8, 1947, 0, 5 * 60 + 45,
                 "Asia/Kathmandu, UT+05:45", "Not known from the zone's history",
                 "18:15 on 14 August 1947"}),
    [](const ::testing::TestParamInfo<ZoneCase>& info) { return std::string(info.param.name); });

TEST(ReadingPageSizeTest, FollowsTheLocaleCountry) {
    struct Case {
        const char* locale;
        QPageSize::PageSizeId size;
    };
    for (const Case& c : {Case{"en_US", QPageSize::Letter}, Case{"fr_CA", QPageSize::Letter},
                          Case{"es_MX", QPageSize::Letter}, Case{"en_GB", QPageSize::A4},
                          Case{"hi_IN", QPageSize::A4}, Case{"C", QPageSize::A4}}) {
        EXPECT_EQ(ReadingPageSize(QLocale(QString::fromLatin1(c.locale))).id(), c.size) << c.locale;
    }
}

class ReadingPdfTest : public ::testing::TestWithParam<QPageSize::PageSizeId> {
protected:
    std::filesystem::path Write(const PrintableReading& printable) {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        const std::filesystem::path path =
            std::filesystem::path(::testing::TempDir()) / (name + ".pdf");
        const FileWriteResult written = WriteReadingPdf(path, printable, QPageSize(GetParam()));
        EXPECT_TRUE(written.ok()) << written.error();
        return path;
    }
};

TEST_P(ReadingPdfTest, HoldsEveryTextOfTheReadingOnOnePageWithEmbeddedFonts) {
    const PrintableReading printable = DelhiPrintable();
    const std::filesystem::path pdf = Write(printable);
    const std::string text = testing_support::PdfText(pdf);

    const ReadingSheet sheet = MakeReadingSheet(printable.reading, printable.zoneLabel);
    std::vector<std::string> expected = {"Jawahar Lal",
                                         CompactText(printable.reading.sun),
                                         CompactText(printable.reading.ascendant),
                                         "15 August 1947",
                                         "00:00",
                                         "Indian Time, IST, 5.3 (UT+05:30)",
                                         "18:30 on 14 August 1947",
                                         "New Delhi, Delhi, India",
                                         "28\u00B039' N, 77\u00B013' E",
                                         "page 1 of 1"};
    for (const SheetFact& fact : sheet.birth) expected.push_back(fact.label + ' ' + fact.value);
    for (int i = 0; i < kAprakashaPointCount; ++i) {
        for (const std::string& line :
             ResultLines(printable.reading.grahas, static_cast<AprakashaPoint>(i))) {
            expected.push_back(line);
        }
    }
    const ChartLayout layout =
        LayoutChart(printable.style, ChartInputFromReading(printable.reading));
    for (const ChartCell& cell : layout.cells) {
        expected.push_back(cell.caption);
        for (const ChartLabel& label : cell.labels) expected.push_back(label.text);
    }
    for (const std::string& line : expected) {
        EXPECT_NE(text.find(Flattened(line)), std::string::npos) << "missing: " << line;
    }

    EXPECT_EQ(testing_support::PdfPageCount(pdf), 1);
    const std::string fonts = testing_support::PdfFonts(pdf);
    std::istringstream rows(fonts);
    std::string row;
    int fontRows = 0;
    for (int line = 0; std::getline(rows, row); ++line) {
        if (line < 2 || row.empty()) continue;  // the heading and its underline
        ++fontRows;
        EXPECT_NE(row.find(" yes "), std::string::npos) << "not embedded: " << row;
    }
    EXPECT_GT(fontRows, 0) << fonts;
}

TEST_P(ReadingPdfTest, LongNameAndPlaceStayWithinThreePages) {
    PrintableReading printable = DelhiPrintable();
    const std::string words = "Maharajadhiraja Sri Venkata Narasimha Raghunatha Rao ";
    printable.reading.record.strName = words + words;
    printable.reading.record.strCity = words + words + words;
    const int pages = testing_support::PdfPageCount(Write(printable));
    EXPECT_GE(pages, 1);
    EXPECT_LE(pages, 3);
}

TEST_P(ReadingPdfTest, PrintsTheGrahaTableAndTheBirthTimeWindowWhenGiven) {
    ChartSession session;
    session.Calculate(testing_support::BirthOf(Delhi1947()));
    const PrintableReading printable = PrintableOf(
        ComputeFullReading(session, kEveryPart), std::string(session.ZoneLabel()), ChartStyle::kSouth);
    const std::string text = testing_support::PdfText(Write(printable));
    const ReadingSheet sheet = MakeReadingSheet(
        printable.reading, printable.zoneLabel, &*printable.grahas, &*printable.timeWindow,
        &*printable.dasha, printable.nowJulianDate, &*printable.upagrahas);
    const SheetDasha dasha = MakeSheetDasha(printable.reading, *printable.dasha, printable.nowJulianDate);
    std::vector<std::string> expected = {sheet.grahas->source, sheet.timeWindow->nearestHouseChange,
                                         sheet.upagrahas->dayLine,
                                         "Vyatipata shares its sign with the Sun and the Moon.",
                                         "Retrograde", "Same pada", "D1 Rasi", "D9 Navamsa",
                                         dasha.balance, dasha.note, dasha.subs.at(1).caption};
    for (const SheetDashaRow& row : dasha.maha) expected.push_back(row[0] + ' ' + row[1]);
    for (const SheetGrahaRow& row : sheet.grahas->rows) {
        std::string line;
        for (const std::string& cell : row) line += (line.empty() ? "" : " ") + cell;
        expected.push_back(row[6].empty() ? line.substr(0, line.size() - 1) : line);
    }
    for (const SheetWindowRow& row : sheet.timeWindow->rows) expected.push_back(row[0]);
    for (const SheetPoint& point : sheet.upagrahas->points) {
        for (const std::string& line : point.lines) expected.push_back(line);
    }
    for (const std::string& line : expected) {
        EXPECT_NE(text.find(Flattened(line)), std::string::npos) << "missing: " << line;
    }
    EXPECT_EQ(sheet.grahas->rows[kFirstGrahaRow + 8][6], "R");  // Rahu, the mean node
    EXPECT_NE(sheet.grahas->source.find("Engine classic, ayanamsa Classic (23."),
              std::string::npos);
}

// Words whose boxes overlap on one page: "Chapa" over "Tamovid" when the sign mates once
// ran past the footer.
std::string OverlappingWords(const std::filesystem::path& pdf) {
    const std::string boxes =
        testing_support::CommandOutput("pdftotext -bbox '" + pdf.string() + "' -");
    const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    std::istringstream pages(boxes);
    std::string page;
    // pdftotext starts each page on a line of its own.
    std::vector<std::string> pageTexts{""};
    for (std::string line; std::getline(pages, line);) {
        if (line.find("<page ") != std::string::npos) pageTexts.emplace_back();
        pageTexts.back() += line + '\n';
    }
    struct Box {
        double x0, y0, x1, y1;
        std::string text;
    };
    constexpr double kTouch = 0.5;  // points two neighbours' boxes may share
    for (const std::string& text : pageTexts) {
        std::vector<Box> words;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), word);
             it != std::sregex_iterator(); ++it) {
            words.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]),
                             std::stod((*it)[4]), (*it)[5]});
        }
        for (std::size_t i = 0; i < words.size(); ++i) {
            for (std::size_t j = i + 1; j < words.size(); ++j) {
                const Box& a = words[i];
                const Box& b = words[j];
                if (a.x0 < b.x1 - kTouch && b.x0 < a.x1 - kTouch && a.y0 < b.y1 - kTouch &&
                    b.y0 < a.y1 - kTouch) {
                    return a.text + " over " + b.text;
                }
            }
        }
    }
    return {};
}

TEST_P(ReadingPdfTest, NoTextRunsIntoOtherTextWithEveryPartPrinted) {
    ChartSession session;
    session.Calculate(testing_support::BirthOf(Delhi1947()));
    for (const ChartStyle style : {ChartStyle::kSouth, ChartStyle::kNorth}) {
        const PrintableReading printable =
            PrintableOf(ComputeFullReading(session, kEveryPart), std::string(session.ZoneLabel()), style);
        EXPECT_EQ(OverlappingWords(Write(printable)), "") << ChartStyleName(style);
    }
}

// The smallest text on the page, in points: poppler's word boxes are as high as the font's
// ascent and descent, 1.164 of its size in DejaVu Sans.
double SmallestTextPoints(const std::filesystem::path& pdf, std::string* smallestWord) {
    constexpr double kBoxPerPoint = 1.164;
    const std::string boxes =
        testing_support::CommandOutput("pdftotext -bbox '" + pdf.string() + "' -");
    const std::regex word(
        R"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<)re");
    double smallest = 1e9;
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), word);
         it != std::sregex_iterator(); ++it) {
        const double points = (std::stod((*it)[2]) - std::stod((*it)[1])) / kBoxPerPoint;
        if (points < smallest) {
            smallest = points;
            *smallestWord = (*it)[3];
        }
    }
    return smallest;
}

// The chart's labels, sign names and lines about the birth were once 3 to 6 pt.
TEST_P(ReadingPdfTest, ChartTextIsNoSmallerThanSevenPointsInEitherStyle) {
    constexpr double kSmallestPoints = 7 - 0.05;  // the nearest pixel of 600 dpi
    for (const ChartStyle style : {ChartStyle::kSouth, ChartStyle::kNorth}) {
        PrintableReading printable = DelhiPrintable();
        printable.style = style;
        printable.reading.record.strName = "Maharajadhiraja Sri Venkata Narasimha Raghunatha Rao";
        printable.reading.record.strCity = "Thiruvananthapuram Municipal Corporation";
        std::string word;
        EXPECT_GE(SmallestTextPoints(Write(printable), &word), kSmallestPoints)
            << ChartStyleName(style) << ": " << word;
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, ReadingPdfTest,
                         ::testing::Values(QPageSize::A4, QPageSize::Letter));

TEST(ReadingPdfFileTest, RefusedWriteNamesTheFileAndKeepsNothing) {
    const std::filesystem::path path =
        std::filesystem::path(::testing::TempDir()) / "no such folder" / "r.pdf";
    const FileWriteResult written = WriteReadingPdf(path, DelhiPrintable());
    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.error().find("r.pdf"), std::string::npos) << written.error();
}

}  // namespace
}  // namespace tamovid
