#include "shifted_time.h"

#include "tamovid/atlas/zone_time.h"
#include "tamovid/birthentry/zone_choice.h"

namespace tamovid::timewindow {
namespace {

using std::chrono::minutes;
using LocalMinutes = std::chrono::local_time<minutes>;
using UtMinutes = std::chrono::sys_time<minutes>;

// An offset settles in two reads (a guess, then the zone's answer); a few more cover a
// gap read from the wrong side.
constexpr int kMaxOffsetReads = 4;

LocalClock ClockOf(LocalMinutes clock, int offset) {
    using namespace std::chrono;
    const local_days day = floor<days>(clock);
    const year_month_day date{day};
    const hh_mm_ss<minutes> time{clock - day};
    return {{static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
             static_cast<int>(static_cast<unsigned>(date.day())),
             static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count())},
            offset};
}

}  // namespace

LocalMinutes EnteredClock(const BirthRecord& record) {
    using namespace std::chrono;
    const year_month firstMonth =
        year_month{year{record.intYear}, January} + months{record.intMonth - 1};
    const local_days date = local_days{firstMonth / 1} + days{record.intDate - 1};
    return date + hours{record.intHour} + minutes{record.intMinute};
}

ClockReader::ClockReader(const BirthRecord& record, const std::string& zone)
    : entered_(EnteredClock(record)), recordOffset_(RecordOffsetMinutes(record)), zone_(zone) {
    if (zone_.empty()) return;
    const UtMinutes birth{entered_.time_since_epoch() - minutes{recordOffset_}};
    zoneOffsetAtBirth_ = ZoneOffsetAt(birth, recordOffset_);
}

// The zone's offset at a moment: a guessed offset is right when the clock it gives reads
// back with that offset (either reading of a repeated hour counts); a clock in a gap
// means the guess was from the other side of the change.
std::optional<int> ClockReader::ZoneOffsetAt(UtMinutes ut, int guess) const {
    int offset = guess;
    for (int read = 0; read < kMaxOffsetReads; ++read) {
        const LocalClock c = ClockOf(LocalMinutes{ut.time_since_epoch() + minutes{offset}}, offset);
        const auto local = atlas::ResolveLocalTime(zone_, c.year, c.month, c.day, c.hour, c.minute);
        if (!local.ok()) return std::nullopt;
        const atlas::LocalTimeInZone& answer = local.value();
        switch (answer.kind) {
            case atlas::LocalTimeInZone::Kind::kUnique:
                if (answer.offset.minutes == offset) return offset;
                offset = answer.offset.minutes;
                break;
            case atlas::LocalTimeInZone::Kind::kAmbiguous:
                if (answer.offset.minutes == offset || answer.later.minutes == offset) return offset;
                offset = answer.offset.minutes;
                break;
            case atlas::LocalTimeInZone::Kind::kNonexistent:
                offset = offset == answer.offset.minutes ? answer.later.minutes : answer.offset.minutes;
                break;
        }
    }
    return offset;
}

LocalClock ClockReader::At(int shiftMinutes) const {
    const LocalMinutes fixed = entered_ + minutes{shiftMinutes};
    if (!zoneOffsetAtBirth_) return ClockOf(fixed, recordOffset_);
    // The zone's changes since birth are added to the clock the birth was entered in, so
    // the entered time itself reads as typed even where the record's offset is not the zone's.
    const UtMinutes ut{fixed.time_since_epoch() - minutes{recordOffset_}};
    const int zoneOffset = ZoneOffsetAt(ut, *zoneOffsetAtBirth_).value_or(*zoneOffsetAtBirth_);
    const int change = zoneOffset - *zoneOffsetAtBirth_;
    return ClockOf(fixed + minutes{change}, recordOffset_ + change);
}

}  // namespace tamovid::timewindow
