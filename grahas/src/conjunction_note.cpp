#include "tamovid/grahas/conjunction_note.h"

#include <cmath>

namespace tamovid {
namespace {

constexpr double kSignDegrees = 30;
constexpr double kFullCircle = 360;
constexpr int kSignCount = 12;

double Normalized(double longitude) {
    double l = std::fmod(longitude, kFullCircle);
    if (l < 0) l += kFullCircle;
    return l;
}

int SignOf(double longitude) {
    const int sign = static_cast<int>(std::floor(Normalized(longitude) / kSignDegrees));
    return sign >= kSignCount ? 0 : sign;  // a hair below 360 can round up
}

}  // namespace

PointNote NoteOf(double point, std::span<const GrahaPosition> grahas, double ascendant) {
    PointNote note;
    note.sign = SignOf(point);
    note.withAscendant = SignOf(ascendant) == note.sign;
    for (const GrahaPosition& g : grahas) {
        if (SignOf(g.longitude) != note.sign) continue;
        note.mates.push_back({g.graha, std::fabs(Normalized(g.longitude) - Normalized(point))});
        if (g.graha == Graha::kSun) note.withSun = true;
        if (g.graha == Graha::kMoon) note.withMoon = true;
    }
    return note;
}

std::array<PointNote, kNotedPointCount> ConjunctionNotes(
    const std::array<double, kNotedPointCount>& points, std::span<const GrahaPosition> grahas,
    double ascendant) {
    std::array<PointNote, kNotedPointCount> notes;
    for (std::size_t i = 0; i < points.size(); ++i) notes[i] = NoteOf(points[i], grahas, ascendant);
    return notes;
}

std::string AfflictionText(std::string_view pointName, const PointNote& note) {
    std::vector<std::string_view> with;
    if (note.withSun) with.push_back("the Sun");
    if (note.withMoon) with.push_back("the Moon");
    if (note.withAscendant) with.push_back("the Ascendant");
    if (with.empty()) return {};
    std::string text(pointName);
    text += " shares its sign with ";
    for (std::size_t i = 0; i < with.size(); ++i) {
        if (i > 0) text += i + 1 == with.size() ? " and " : ", ";
        text += with[i];
    }
    text += '.';
    return text;
}

}  // namespace tamovid
