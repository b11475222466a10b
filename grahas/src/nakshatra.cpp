#include "tamovid/grahas/nakshatra.h"

#include <cmath>

namespace tamovid {
namespace {

constexpr double kFullCircle = 360;
constexpr int kPadasInCircle = kNakshatraCount * kPadasPerNakshatra;
// Padas are counted in arc minutes, whole in the boundaries (200' each), so that a
// longitude exactly on a boundary is not pushed back by the rounding of 13.333...
constexpr double kMinutesPerDegree = 60;
constexpr double kPadaSpanMinutes = 200;  // 3 deg 20'

}  // namespace

NakshatraPada NakshatraOf(double siderealLongitude) {
    double longitude = std::fmod(siderealLongitude, kFullCircle);
    if (longitude < 0) longitude += kFullCircle;
    // Rounded to a millionth of an arc minute first, so that 13.3333333333 deg (a
    // boundary written to ten places) lands in the span that begins there.
    const double minutes = std::round(longitude * kMinutesPerDegree * 1e6) / 1e6;
    int padaCount = static_cast<int>(std::floor(minutes / kPadaSpanMinutes));
    if (padaCount >= kPadasInCircle) padaCount -= kPadasInCircle;  // 359.99999999... deg
    const int index = padaCount / kPadasPerNakshatra;
    return {index, padaCount % kPadasPerNakshatra + 1,
            kNakshatraNames[static_cast<std::size_t>(index)]};
}

}  // namespace tamovid
