#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tamovid/test_support/delhi_1947_record.h"
#include "tamovid/timewindow/time_window.h"
#include "tamovid/timewindow/window_text.h"

namespace tamovid::timewindow {
namespace {

// 14 March 2021, 01:59 Eastern Standard Time, 40°43' N 74°00' W: a minute before the
// clocks went forward from 02:00 to 03:00; the Ascendant entered Sagittarius 29 minutes
// before, and the Sun leaves Aquarius the same morning.
BirthRecord BeforeSpringForward() {
    BirthRecord r;
    r.intYear = 2021;
    r.intMonth = 3;
    r.intDate = 14;
    r.intHour = 1;
    r.intMinute = 59;
    r.intZoneHour = 5;
    r.vntZoneHour = 5;
    r.intLonDeg = 74;
    r.intLatDeg = 40;
    r.intLatMin = 43;
    return r;
}

// 15 August 1947, 23:50 at New Delhi: spans cross midnight on a fixed offset.
BirthRecord DelhiBeforeMidnight() {
    BirthRecord r = testing_support::Delhi1947Record();
    r.intHour = 23;
    r.intMinute = 50;
    return r;
}

// 69°39' N: the Ascendant runs through some signs in minutes.
BirthRecord FarNorth() {
    BirthRecord r = DelhiBeforeMidnight();
    r.intLatDeg = 69;
    r.intLatMin = 39;
    r.intLonDeg = 18;
    r.intLonMin = 57;
    r.vntZoneHour = -1;
    r.vntZoneMinute = 0;
    r.intHour = 6;
    return r;
}

// The last minute each way through which `same` holds, trying every minute.
std::optional<int> Walk(const std::function<bool(int)>& same, int direction) {
    for (int minutes = 1; minutes <= kSearchMinutes; ++minutes) {
        if (!same(direction * minutes)) return direction * (minutes - 1);
    }
    return std::nullopt;
}

std::optional<int> ShiftOf(const std::optional<Bound>& bound) {
    return bound ? std::optional<int>(bound->shiftMinutes) : std::nullopt;
}

struct BruteForceCase {
    const char* label;
    BirthRecord record;
    Engine engine;
    bool withGrahas;
    const char* tz;
};
void PrintTo(const BruteForceCase& c, std::ostream* out) { *out << c.label; }

class AgreesWithEveryMinute : public testing::TestWithParam<BruteForceCase> {};

// The coarse search must find the very minutes that trying each of the 1,441 finds.
TEST_P(AgreesWithEveryMinute, ForEveryBodyAndTheHouseChange) {
    const BruteForceCase& c = GetParam();
    const WindowChart chart{c.record, OptionsFor(c.engine), c.tz, c.withGrahas};
    std::vector<std::vector<BodyState>> states;
    for (int shift = -kSearchMinutes; shift <= kSearchMinutes; ++shift) {
        states.push_back(StatesAt(chart, shift));
    }
    const auto at = [&](int shift) -> const std::vector<BodyState>& {
        return states[static_cast<std::size_t>(shift + kSearchMinutes)];
    };
    const std::vector<BodyState>& birth = at(0);

    const TimeWindow window = ComputeTimeWindow(chart);
    ASSERT_EQ(window.bodies.size(), birth.size());
    using Field = std::function<int(const BodyState&)>;
    const std::vector<std::pair<const char*, Field>> fields{
        {"sign", [](const BodyState& s) { return s.sign; }},
        {"house", [](const BodyState& s) { return s.house; }},
        {"pada", [](const BodyState& s) { return s.nakshatra * 4 + s.pada; }}};
    for (const BodyWindow& body : window.bodies) {
        const auto b = static_cast<std::size_t>(body.body);
        const Span* spans[] = {&body.sign, &body.house, &body.pada};
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const Field& field = fields[f].second;
            const auto same = [&](int shift) { return field(at(shift)[b]) == field(birth[b]); };
            SCOPED_TRACE(std::string(BodyName(body.body)) + " " + fields[f].first);
            EXPECT_EQ(ShiftOf(spans[f]->from), Walk(same, -1));
            EXPECT_EQ(ShiftOf(spans[f]->to), Walk(same, +1));
        }
    }

    for (const auto& [direction, shift] :
         {std::pair{-1, window.earlier}, std::pair{+1, window.later}}) {
        const auto sameHouses = [&](int s) {
            for (std::size_t b = kFirstPointBody; b < kFirstGrahaBody; ++b) {
                if (at(s)[b].house != birth[b].house) return false;
            }
            return true;
        };
        const std::optional<int> last = Walk(sameHouses, direction);
        ASSERT_EQ(shift.has_value(), last.has_value());
        if (last) {
            EXPECT_EQ(shift->shiftMinutes, *last + direction);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Births, AgreesWithEveryMinute,
    testing::Values(
        BruteForceCase{"ClassicBeforeSpringForwardWithGrahas", BeforeSpringForward(),
                       Engine::kClassic, true, "America/New_York"},
        BruteForceCase{"PreciseBeforeSpringForward", BeforeSpringForward(), Engine::kPrecise,
                       false, "America/New_York"},
        BruteForceCase{"ClassicAcrossMidnight", DelhiBeforeMidnight(), Engine::kClassic, false,
                       ""},
        BruteForceCase{"PreciseFarNorth", FarNorth(), Engine::kPrecise, false, ""}),
    [](const testing::TestParamInfo<BruteForceCase>& info) { return info.param.label; });

struct ClockCase {
    const char* label;
    const char* tz;
    const char* ascendantSignTo;
    int offsetAtEnd;
    const char* moonPadaFrom;
};
void PrintTo(const ClockCase& c, std::ostream* out) { *out << c.label; }

class ReadsTheLocalClock : public testing::TestWithParam<ClockCase> {};

// The Ascendant leaves its sign 90 minutes after the birth: past the change of the clocks
// that is 04:29 daylight time; with the offset alone it is 03:29.
TEST_P(ReadsTheLocalClock, AcrossTheChangeOfTheClocks) {
    const ClockCase& c = GetParam();
    const TimeWindow window = ComputeTimeWindow({BeforeSpringForward(), {}, c.tz, true});
    EXPECT_EQ(ClockText(window.birth, window.birth), "01:59");
    EXPECT_EQ(window.birth.utcOffsetMinutes, -300);
    const BodyWindow& ascendant = window.bodies[kAscendantBody];
    EXPECT_EQ(BoundText(ascendant.sign.from, window.birth), "01:30");
    EXPECT_EQ(BoundText(ascendant.sign.to, window.birth), c.ascendantSignTo);
    EXPECT_EQ(ascendant.sign.to->clock.utcOffsetMinutes, c.offsetAtEnd);
    EXPECT_EQ(BoundText(ascendant.house.to, window.birth), "beyond 12 hours");
    EXPECT_EQ(BoundText(window.bodies[kFirstGrahaBody + 1].pada.from, window.birth),
              c.moonPadaFrom);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, ReadsTheLocalClock,
    testing::Values(ClockCase{"ZoneHistory", "America/New_York", "04:29", -240,
                              "2021-03-13 20:19"},
                    ClockCase{"OffsetOnly", "", "03:29", -300, "2021-03-13 20:19"},
                    ClockCase{"UnknownZoneFallsBackToTheOffset", "Mars/Olympus", "03:29", -300,
                              "2021-03-13 20:19"}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.label; });

// At 24:30 the times on the entered day went undated and those on the next day dated, though
// the user reads them against the day entered.
TEST(ClockText, TimesAfterAnHour24BirthCarryTheNextDaysDate) {
    BirthRecord r = DelhiBeforeMidnight();
    r.intHour = 24;
    r.intMinute = 30;
    const TimeWindow window = ComputeTimeWindow({r, {}, ""});
    EXPECT_EQ(ClockText(window.birth, window.birth), "24:30");
    LocalClock later = window.birth;
    later.day = 16;
    later.hour = 1;
    later.minute = 10;
    EXPECT_EQ(ClockText(later, window.birth), "1947-08-16 01:10");
    LocalClock before = window.birth;
    before.hour = 23;
    EXPECT_EQ(ClockText(before, window.birth), "23:30");
}

TEST(HouseShiftSentence, NamesTheNearestChangeAndEveryPointItMoves) {
    const TimeWindow window = ComputeTimeWindow({BeforeSpringForward(), {}, "America/New_York"});
    EXPECT_EQ(HouseShiftSentence(window),
              "A birth 30 minutes earlier moves Dhuma from house 8 to house 9, Vyatipata from "
              "house 1 to house 2, Parivesha from house 7 to house 8, Chapa from house 2 to "
              "house 3 and Upaketu from house 2 to house 3.");

    TimeWindow oneMinute;
    oneMinute.earlier = HouseShift{-5, {{kParivesha, 9, 10}}};
    oneMinute.later = HouseShift{1, {{kChapa, 4, 3}}};
    EXPECT_EQ(HouseShiftSentence(oneMinute), "A birth 1 minute later moves Chapa from house 4 to house 3.");
    EXPECT_EQ(HouseShiftSentence(TimeWindow{}),
              "No birth within 12 hours either way moves any of the five points to another "
              "house.");
}

}  // namespace
}  // namespace tamovid::timewindow
