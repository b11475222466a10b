#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "tamovid/positions/birth_record.h"
#include "tamovid/timewindow/time_window.h"

namespace tamovid::timewindow {

/// The entered date and clock time as one count of minutes; hour 24 and an overlong day
/// run on into the next day, as the engines carry them.
std::chrono::local_time<std::chrono::minutes> EnteredClock(const BirthRecord& record);

/// The record with its clock time moved by `shiftMinutes`, date carried, correction kept.
BirthRecord ShiftedRecord(const BirthRecord& record, int shiftMinutes);

/// Reads the local clock at moments near a birth: with the record's offset alone, or
/// through a zone's history, so a clock change in between shows as people saw it.
class ClockReader {
public:
    ClockReader(const BirthRecord& record, const std::string& zone);

    bool ZoneHistory() const { return zoneOffsetAtBirth_.has_value(); }
    LocalClock At(int shiftMinutes) const;

private:
    std::optional<int> ZoneOffsetAt(std::chrono::sys_time<std::chrono::minutes> ut,
                                    int guess) const;

    std::chrono::local_time<std::chrono::minutes> entered_;
    int recordOffset_ = 0;
    std::string zone_;
    std::optional<int> zoneOffsetAtBirth_;
};

}  // namespace tamovid::timewindow
