#include <gtest/gtest.h>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/birthentry/form_record.h"
#include "tamovid/birthentry/form_lists.h"
#include "tamovid/birthentry/validation.h"
#include "tamovid/test_support/delhi_1947_record.h"
#include "tamovid/test_support/sample_entries.h"
#include "tamovid/positions/longitude_text.h"
#include "tamovid/test_support/birth_of.h"

namespace tamovid {
namespace {

using testing_support::Delhi1947;
using testing_support::Delhi1947Record;

TEST(FillBirthRecord, CopiesTheFormWithSignedAndUnsignedZone) {
    BirthEntry entry = Delhi1947();
    entry.txtName = "  Asha  ";
    entry.txtCity = "  New Delhi ";
    entry.cboHour = 24;
    // Every member at once: 15 August 1947, 24:00, zone +5:30 kept unsigned and signed
    // (-5, -30), 77E13 28N39; the name keeps its blanks, the city loses them.
    BirthRecord expected = Delhi1947Record();
    expected.strName = "  Asha  ";
    expected.strCity = "New Delhi";
    expected.intHour = 24;
    EXPECT_EQ(FillBirthRecord(entry, {}), expected);
}

TEST(FillBirthRecord, WestNorthAndAZoneWestOfGreenwich) {
    BirthEntry entry = Delhi1947();
    entry.optLong = LongitudeOption::kWest;
    entry.cboTimeZone = 27;  // "Eastern Standard Time,EST,-5.0"
    const BirthRecord r = FillBirthRecord(entry, {});
    EXPECT_FALSE(r.blnEast);
    EXPECT_FALSE(r.blnSouth);
    EXPECT_EQ(r.intZoneHour, 5);
    EXPECT_EQ(r.vntZoneHour, 5);
}

TEST(FillBirthRecord, UnreadableValuesLeaveThePreviousFields) {
    BirthRecord previous;
    previous.intZoneHour = 3;
    previous.vntZoneHour = -3;
    previous.intHour = 7;
    previous.intLonDeg = 12;
    BirthEntry entry = Delhi1947();
    entry.cboTimeZone = 71;
    entry.cboHour = -1;
    entry.txtLonDeg = "1x";
    const BirthRecord r = FillBirthRecord(entry, previous);
    EXPECT_EQ(r.intZoneHour, 3);
    EXPECT_EQ(r.vntZoneHour, -3);
    EXPECT_EQ(r.intHour, 7);
    EXPECT_EQ(r.intLonDeg, 12);
}

// The engines read the same record whether a birth was read from the form once or the
// form was copied field by field: every zone kind, the box, and hour 24.
TEST(ReadBirth, GivesTheRecordTheFormDescribes) {
    struct Case {
        const char* name;
        void (*change)(BirthEntry&);
    };
    const Case cases[] = {
        {"row zone", [](BirthEntry&) {}},
        {"row with the box", [](BirthEntry& e) { e.chkDST = true; }},
        {"exact offset with the box", [](BirthEntry& e) {
             e.utcOffsetMinutes = 345;
             e.chkDST = true;
             e.tz = "Asia/Kathmandu";
         }},
        {"west of Greenwich, south, hour 24", [](BirthEntry& e) {
             e.cboTimeZone = 27;
             e.optLong = LongitudeOption::kWest;
             e.optLat = LatitudeOption::kSouth;
             e.cboHour = 24;
             e.txtCity = "  New Delhi ";
         }},
        {"a state of blanks alone", [](BirthEntry& e) { e.txtState = "   "; }},
    };
    for (const Case& c : cases) {
        BirthEntry entry = Delhi1947();
        c.change(entry);
        const Result<Birth, Refusal> birth = ReadBirth(entry, BlankBirth());
        ASSERT_TRUE(birth.ok()) << c.name;
        EXPECT_EQ(RecordOf(birth.value()), FillBirthRecord(entry, {})) << c.name;
    }
}

// A list with nothing chosen keeps the last chart's value; an exact offset keeps the row
// and box the form shows beside it, which a saved chart writes for older readers.
TEST(ReadBirth, ZoneAndClockOfTheFormOrTheLastChart) {
    Birth last = BlankBirth();
    last.clock.hour = 7;
    last.clock.minute = 45;
    last.zone = TableZone{52, true};
    struct Case {
        const char* name;
        int row;
        std::optional<int> offset;
        BirthZone zone;
    };
    const Case cases[] = {
        {"row chosen", 27, std::nullopt, TableZone{27, false}},
        {"no row: the last chart's, box as shown", -1, std::nullopt, TableZone{52, false}},
        {"exact offset", 34, 345, ExactZone{345, {34, false}}},
        {"exact offset, no row", -1, 345, ExactZone{345, {52, false}}},
    };
    for (const Case& c : cases) {
        BirthEntry entry = Delhi1947();
        entry.cboTimeZone = c.row;
        entry.utcOffsetMinutes = c.offset;
        entry.cboHour = entry.cboMinute = -1;
        const Birth birth = ReadBirth(entry, last).value();
        EXPECT_EQ(birth.zone, c.zone) << c.name;
        EXPECT_EQ(birth.clock.hour, 7) << c.name;
        EXPECT_EQ(birth.clock.minute, 45) << c.name;
    }
}

// The record takes each list's value without making the entry's text: the two must agree
// at every position, and give nothing where the text is empty.
TEST(FormLists, EveryEntryValueIsWhatItsTextReads) {
    struct List {
        std::string (*text)(int);
        std::optional<int> (*value)(int);
        int count;
    };
    for (const List list : {List{DateListText, DateListValue, kDayCount},
                            List{YearListText, YearListValue, kYearCount},
                            List{HourListText, HourListValue, kHourCount},
                            List{MinuteListText, MinuteListValue, kMinuteCount}}) {
        for (int position = -1; position <= list.count; ++position) {
            const std::string text = list.text(position);
            const std::optional<int> read =
                text.empty() ? std::nullopt : std::optional<int>(std::stoi(text));
            EXPECT_EQ(list.value(position), read) << "position " << position;
        }
    }
}

TEST(Calculate, RefusalLeavesNoReading) {
    BirthEntry entry = Delhi1947();
    entry.txtName.clear();
    const auto outcome = ReadBirth(entry, BlankBirth());
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.error().message, "Please Enter Your Name");
}

TEST(Calculate, Delhi1947FromFormToFivePoints) {
    const Reading reading = Calculate(testing_support::BirthOf(Delhi1947()));
    EXPECT_EQ(CompactText(reading.sun), "27 Can 59");
    EXPECT_EQ(CompactText(reading.ascendant), "07 Tau 45");
    const std::array<std::string, 5> positions = {"11 Sag 19", "18 Can 41", "18 Cap 41",
                                                  "11 Gem 19", "27 Gem 59"};
    const std::array<std::int16_t, 5> houses = {8, 3, 9, 2, 2};
    EXPECT_EQ(PointTexts(reading.grahas), positions);
    for (std::size_t i = 0; i < houses.size(); ++i) EXPECT_EQ(reading.grahas.points[i].house, houses[i]);
    EXPECT_EQ(ResultLines(reading.grahas, kDhuma)[3], "Dhuma is in the house 8 from the Ascendant");
}

TEST(Calculate, SameInputSameReading) {
    const Reading first = Calculate(testing_support::BirthOf(Delhi1947()));
    const Reading second = Calculate(ReadBirth(Delhi1947(), first.birth).value());
    EXPECT_EQ(first.record, second.record);
    EXPECT_EQ(first.grahas.points, second.grahas.points);
}

TEST(Calculate, EachEngineShowsTheLongitudesItReports) {
    struct Case {
        Engine engine;
        const char* sun;
        const char* ascendant;
    };
    for (const Case& c : {Case{Engine::kClassic, "27 Can 59", "07 Tau 45"},
                          Case{Engine::kPrecise, "27 Can 59", "07 Tau 45"}}) {
        const Reading r = Calculate(testing_support::BirthOf(Delhi1947()), OptionsFor(c.engine));
        EXPECT_EQ(r.options.engine, c.engine);
        EXPECT_EQ(CompactText(r.sun), c.sun) << EngineName(c.engine);
        EXPECT_EQ(CompactText(r.ascendant), c.ascendant) << EngineName(c.engine);
        EXPECT_EQ(r.grahas.points, CalcAprakashaGrahas(r.sun, r.ascendant).points);
    }
}

}  // namespace
}  // namespace tamovid
