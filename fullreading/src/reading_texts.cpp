#include "tamovid/fullreading/reading_texts.h"

#include <cmath>

#include "tamovid/base/digits.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/positions/record_text.h"
#include "tamovid/timewindow/window_text.h"

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

}  // namespace tamovid
