#pragma once

#include <memory>
#include <string>

#include "tamovid/positions/birth_record.h"
#include "tamovid/timewindow/time_window.h"

namespace tamovid::timewindow {

class ClockReader;

/// The clock at the birth place at moments long after (or before) the birth: through the
/// zone's history when the reading names its IANA zone, with the birth's own offset
/// otherwise.
class PlaceClock {
public:
    PlaceClock(const BirthRecord& record, const std::string& zone);
    ~PlaceClock();
    PlaceClock(PlaceClock&&) noexcept;
    PlaceClock& operator=(PlaceClock&&) noexcept;

    /// The clock `days` (of 86,400 s) from the birth, to the nearest minute.
    LocalClock AtDaysFromBirth(double days) const;

private:
    std::unique_ptr<ClockReader> reader_;
};

/// "2025-09-10 00:59".
std::string DateAndClockText(const LocalClock& clock);

}  // namespace tamovid::timewindow
