#include "tamovid/timewindow/window_text.h"

#include <cstdlib>

#include "tamovid/base/digits.h"
#include "tamovid/positions/record_text.h"

namespace tamovid::timewindow {
namespace {

std::string MoveText(const HouseMove& move) {
    return std::string(BodyName(kFirstPointBody + move.point)) + " from house " +
           std::to_string(move.fromHouse) + " to house " + std::to_string(move.toHouse);
}

}  // namespace

std::string ClockText(const LocalClock& clock, const LocalClock& birth) {
    std::string text = TwoDigits(clock.hour) + ":" + TwoDigits(clock.minute);
    if (clock.year == birth.year && clock.month == birth.month && clock.day == birth.day) {
        return text;
    }
    return std::to_string(clock.year) + "-" + TwoDigits(clock.month) + "-" + TwoDigits(clock.day) +
           " " + text;
}

std::string BoundText(const std::optional<Bound>& bound, const LocalClock& birth) {
    return bound ? ClockText(bound->clock, birth) : "beyond 12 hours";
}

std::string HouseShiftSentence(const TimeWindow& window) {
    const std::optional<HouseShift>& shift = window.Nearest();
    if (!shift || shift->moves.empty()) {
        return "No birth within 12 hours either way moves any of the five points to another "
               "house.";
    }
    const int minutes = std::abs(shift->shiftMinutes);
    std::string text = "A birth " + std::to_string(minutes) + (minutes == 1 ? " minute " : " minutes ") +
                       (shift->shiftMinutes < 0 ? "earlier" : "later") + " moves ";
    const std::size_t count = shift->moves.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) text += i + 1 == count ? " and " : ", ";
        text += MoveText(shift->moves[i]);
    }
    return text + ".";
}

}  // namespace tamovid::timewindow
