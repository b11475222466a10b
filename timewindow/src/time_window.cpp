#include "tamovid/timewindow/time_window.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "shifted_time.h"
#include "tamovid/grahas/nakshatra.h"

namespace tamovid::timewindow {
namespace {

constexpr int kPointCount = kFirstGrahaBody - kFirstPointBody;

// Every chart the search looks at, once each: the bodies share the minutes they read.
class StateCache {
public:
    explicit StateCache(const WindowChart& chart)
        : chart_(chart), states_(2 * kSearchMinutes + 1) {}

    const std::vector<BodyState>& At(int shift) {
        std::optional<std::vector<BodyState>>& slot = states_[static_cast<std::size_t>(shift + kSearchMinutes)];
        if (!slot) slot = StatesAt(chart_, shift);
        return *slot;
    }

private:
    const WindowChart& chart_;
    std::vector<std::optional<std::vector<BodyState>>> states_;
};

using Unchanged = std::function<bool(int shift)>;

// The last minute, one way (direction +1 or -1), through which `unchanged` holds, or
// nothing when it holds to the end of the search. The bodies move one way through the
// zodiac within 12 hours, so what holds at birth holds on one unbroken run of minutes:
// the coarse pass finds the first step past it and halving narrows it to the minute.
std::optional<int> LastUnchanged(const Unchanged& unchanged, int direction, int step) {
    int inside = 0;
    for (;;) {
        if (inside == kSearchMinutes) return std::nullopt;
        const int next = std::min(inside + step, kSearchMinutes);
        if (!unchanged(direction * next)) {
            int outside = next;
            while (outside - inside > 1) {
                const int middle = inside + (outside - inside) / 2;
                (unchanged(direction * middle) ? inside : outside) = middle;
            }
            return direction * inside;
        }
        inside = next;
    }
}

std::optional<Bound> BoundAt(std::optional<int> shift, const ClockReader& clock) {
    if (!shift) return std::nullopt;
    return Bound{*shift, clock.At(*shift)};
}

Span SpanOf(const Unchanged& unchanged, int step, const ClockReader& clock) {
    return {BoundAt(LastUnchanged(unchanged, -1, step), clock),
            BoundAt(LastUnchanged(unchanged, +1, step), clock)};
}

std::optional<HouseShift> NearestHouseChange(StateCache& cache, int direction, int step) {
    const std::vector<BodyState> birth = cache.At(0);
    const auto sameHouses = [&](int shift) {
        const std::vector<BodyState>& now = cache.At(shift);
        return std::equal(birth.begin() + kFirstPointBody, birth.begin() + kFirstGrahaBody,
                          now.begin() + kFirstPointBody, now.begin() + kFirstGrahaBody,
                          [](const BodyState& a, const BodyState& b) { return a.house == b.house; });
    };
    const std::optional<int> last = LastUnchanged(sameHouses, direction, step);
    if (!last) return std::nullopt;
    HouseShift change;
    change.shiftMinutes = *last + direction;
    const std::vector<BodyState>& then = cache.At(change.shiftMinutes);
    for (int point = 0; point < kPointCount; ++point) {
        const auto body = static_cast<std::size_t>(kFirstPointBody + point);
        if (then[body].house != birth[body].house) {
            change.moves.push_back({point, birth[body].house, then[body].house});
        }
    }
    return change;
}

constexpr int kHoursPerDay = 24;

}  // namespace

const std::optional<HouseShift>& TimeWindow::Nearest() const {
    if (!later) return earlier;
    if (!earlier) return later;
    return std::abs(earlier->shiftMinutes) <= later->shiftMinutes ? earlier : later;
}

TimeWindow ComputeTimeWindow(const WindowChart& chart, int stepMinutes) {
    const int step = std::clamp(stepMinutes, 1, kSearchMinutes);
    StateCache cache(chart);
    const ClockReader clock(chart.record, chart.tz);

    TimeWindow window;
    window.birth = clock.At(0);
    // Hour 24 is the entered day's midnight: the birth belongs to the day it was entered on
    // and reads as typed, so every time on the next day carries its date.
    if (chart.record.intHour >= kHoursPerDay) {
        window.birth.year = chart.record.intYear;
        window.birth.month = chart.record.intMonth;
        window.birth.day = chart.record.intDate;
        window.birth.hour = chart.record.intHour;
        window.birth.minute = chart.record.intMinute;
    }
    window.zoneHistory = clock.ZoneHistory();
    const std::vector<BodyState> birth = cache.At(0);
    for (int index = 0; index < static_cast<int>(birth.size()); ++index) {
        const BodyState& at = birth[static_cast<std::size_t>(index)];
        // The six follow the five points directly when the grahas are left out.
        const int body = index >= kFirstGrahaBody && !chart.withGrahas
                             ? index - kFirstGrahaBody + kFirstUpagrahaBody
                             : index;
        if (at == kNoPlace) continue;  // no day at birth: nothing to keep
        const auto same = [&](auto field) {
            return [&, field](int shift) {
                return field(cache.At(shift)[static_cast<std::size_t>(index)]) == field(at);
            };
        };
        BodyWindow w;
        w.body = body;
        w.atBirth = at;
        w.sign = SpanOf(same([](const BodyState& s) { return s.sign; }), step, clock);
        w.house = SpanOf(same([](const BodyState& s) { return s.house; }), step, clock);
        w.pada = SpanOf(same([](const BodyState& s) { return s.nakshatra * kPadasPerNakshatra + s.pada; }), step,
                        clock);
        window.bodies.push_back(w);
    }
    window.earlier = NearestHouseChange(cache, -1, step);
    window.later = NearestHouseChange(cache, +1, step);
    return window;
}

}  // namespace tamovid::timewindow
