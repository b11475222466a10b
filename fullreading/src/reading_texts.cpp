#include "tamovid/fullreading/reading_texts.h"

#include <cmath>

#include "tamovid/base/digits.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/timewindow/window_text.h"
#include "tamovid/upagrahas/day_text.h"
#include "tamovid/upagrahas/interpretations.h"

namespace tamovid {

std::string SpanText(const timewindow::Span& span, const timewindow::LocalClock& birth) {
    if (!span.from && !span.to) return std::string(kUnchangedSpanText);
    return timewindow::BoundText(span.from, birth) + " \u2013 " +
           timewindow::BoundText(span.to, birth);
}

std::string ArcText(double degrees) {
    constexpr int kMinutesPerDegree = 60;
    const int minutes = static_cast<int>(std::floor(degrees * kMinutesPerDegree));
    return std::to_string(minutes / kMinutesPerDegree) + "\u00B0" +
           TwoDigits(minutes % kMinutesPerDegree) + '\'';
}

std::string SignMatesText(std::string_view pointName, const PointNote& note) {
    if (note.mates.empty()) return {};
    std::string text;
    for (const SignMate& mate : note.mates) {
        if (!text.empty()) text += ", ";
        text += GrahaNameOf(mate.graha);
        text += ' ';
        text += ArcText(mate.distance);
    }
    text += '.';
    const std::string affliction = AfflictionText(pointName, note);
    if (!affliction.empty()) text += ' ' + affliction;
    return text;
}

std::array<std::string, 5> UpagrahaLines(const Reading& reading,
                                         const upagrahas::Upagrahas& six,
                                         upagrahas::Upagraha which) {
    using namespace upagrahas;
    const UpagrahaPlace& place = six[which];
    const std::size_t i = UpagrahaIndex(which);
    std::string position = "Position at " + PointText(place.position) + ", " +
                           std::string(place.nakshatra.name) + ' ' +
                           std::to_string(place.nakshatra.pada);
    std::string rises = "Rises at the ";
    rises += PortionPointKeyOf(six.options.At(which));
    rises += " of " + PortionName(place.lord) + ", " +
             LocalClockText(place.moment, RecordClock(reading.record));
    std::string house(UpagrahaNameOf(which));
    house += " is in the house " + std::to_string(place.house) + " from the Ascendant";
    return {std::move(position), std::move(rises), std::string(kUpagrahaDescriptions[i]),
            std::move(house),
            std::string(kUpagrahaInterpretations[i][static_cast<std::size_t>(place.house - 1)])};
}

std::string UpagrahaDayText(const Reading& reading, const ReadingUpagrahas& six) {
    if (!six.placed.ok()) return upagrahas::NoDayText(six.placed.error(), reading.record);
    return upagrahas::DayLine(six.placed.value(), upagrahas::RecordClock(reading.record));
}

}  // namespace tamovid
