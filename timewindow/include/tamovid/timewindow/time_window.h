#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/birthentry/calculation.h"
#include "tamovid/choices/chart_options.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/civil_date_time.h"

namespace tamovid::timewindow {

/// How far the window is searched each way from the entered time, in minutes.
inline constexpr int kSearchMinutes = 12 * 60;
/// The step of the first, coarse pass; every change is then narrowed to the minute.
inline constexpr int kDefaultStepMinutes = 16;

/// The bodies of a window, in this order: the Ascendant, the five points, then the nine
/// grahas when they were asked for.
inline constexpr int kAscendantBody = 0;
inline constexpr int kFirstPointBody = 1;
inline constexpr int kFirstGrahaBody = 6;
inline constexpr int kBodyCountWithGrahas = 15;

/// "Ascendant", "Dhuma" .. "Upaketu", "Sun" .. "Ketu"; empty for another number.
std::string_view BodyName(int body);

/// The chart a window is computed for, as it was calculated.
struct WindowChart {
    BirthRecord record;                ///< filled, as the engines read it
    ChartOptions options;              ///< the engine, ayanamsa and node
    std::string tz;                    ///< the place's IANA zone; empty: the record's offset only
    bool withGrahas = false;           ///< the nine grahas too
};

/// The window's chart for a reading of the calculation driver, with its options.
WindowChart WindowChartOf(const Reading& reading, bool withGrahas = false);

/// Where one body stands at one moment.
struct BodyState {
    int sign = 0;       ///< 0 Aries .. 11 Pisces
    int house = 1;      ///< 1..12, counted from the Ascendant's sign
    int nakshatra = 0;  ///< 0 Ashwini .. 26 Revati
    int pada = 1;       ///< 1..4
    friend bool operator==(const BodyState&, const BodyState&) = default;
};

/// The bodies' places with the birth moved by `shiftMinutes` (negative: earlier), the
/// zone's correction kept, so Universal Time moves by the same minutes.
std::vector<BodyState> StatesAt(const WindowChart& chart, int shiftMinutes);

/// A reading of the local clock.
struct LocalClock : CivilDateTime {
    int utcOffsetMinutes = 0;  ///< local minus Universal Time, as the clock then stood
    friend bool operator==(const LocalClock&, const LocalClock&) = default;
};

/// The first or last minute of a span: how far from the entered time, and the clock then.
struct Bound {
    int shiftMinutes = 0;  ///< negative before the entered time
    LocalClock clock;
    friend bool operator==(const Bound&, const Bound&) = default;
};

/// The minutes, both ends included, around the entered time through which a value stays
/// as it is at birth. An end is missing when the value holds for the whole 12 hours on
/// that side.
struct Span {
    std::optional<Bound> from;
    std::optional<Bound> to;
    friend bool operator==(const Span&, const Span&) = default;
};

struct BodyWindow {
    int body = 0;
    BodyState atBirth;
    Span sign;
    Span house;
    Span pada;
};

/// One of the five points changing house.
struct HouseMove {
    int point = 0;  ///< 0 Dhuma .. 4 Upaketu
    int fromHouse = 0;
    int toHouse = 0;
    friend bool operator==(const HouseMove&, const HouseMove&) = default;
};

/// The nearest minute, one way, at which a house of the five points differs from birth.
struct HouseShift {
    int shiftMinutes = 0;          ///< negative: an earlier birth
    std::vector<HouseMove> moves;  ///< every point whose house then differs, in point order
    friend bool operator==(const HouseShift&, const HouseShift&) = default;
};

struct TimeWindow {
    /// The entered time, as the clock stood; hour 24 stays on its entered day ("24:30"),
    /// the day the times of the window are dated against.
    LocalClock birth;
    bool zoneHistory = false;       ///< clock times read through the zone's history
    std::vector<BodyWindow> bodies;  ///< in body order
    std::optional<HouseShift> earlier;  ///< nothing when no house changes within 12 hours
    std::optional<HouseShift> later;

    /// The smaller shift of the two; the earlier one when both are as far.
    const std::optional<HouseShift>& Nearest() const;
};

/// The birth-time window of a chart. Each change is found with a pass in steps of
/// `stepMinutes` and then narrowed to the minute; 1 tries every minute. An unknown zone
/// falls back to the record's offset (zoneHistory is then false).
TimeWindow ComputeTimeWindow(const WindowChart& chart, int stepMinutes = kDefaultStepMinutes);

}  // namespace tamovid::timewindow
