#include "tamovid/timewindow/place_clock.h"

#include <cmath>
#include <limits>

#include "shifted_time.h"
#include "tamovid/base/digits.h"
#include "tamovid/positions/record_text.h"

namespace tamovid::timewindow {
namespace {

constexpr double kMinutesPerDay = 1440;

}  // namespace

PlaceClock::PlaceClock(const BirthRecord& record, const std::string& zone)
    : reader_(std::make_unique<ClockReader>(record, zone)) {}
PlaceClock::~PlaceClock() = default;
PlaceClock::PlaceClock(PlaceClock&&) noexcept = default;
PlaceClock& PlaceClock::operator=(PlaceClock&&) noexcept = default;

LocalClock PlaceClock::AtDaysFromBirth(double days) const {
    // Minutes in an int reach four thousand years either way: far beyond any period.
    const double minutes = std::round(days * kMinutesPerDay);
    constexpr double kLimit = std::numeric_limits<int>::max();
    return reader_->At(static_cast<int>(std::fmax(-kLimit, std::fmin(kLimit, minutes))));
}

std::string DateAndClockText(const LocalClock& clock) {
    return std::to_string(clock.year) + '-' + TwoDigits(clock.month) + '-' + TwoDigits(clock.day) +
           ' ' + TwoDigits(clock.hour) + ':' + TwoDigits(clock.minute);
}

}  // namespace tamovid::timewindow
