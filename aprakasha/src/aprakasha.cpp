#include "tamovid/aprakasha/aprakasha.h"

#include <cstddef>

#include "tamovid/aprakasha/interpretations.h"
#include "tamovid/aprakasha/point_texts.h"

namespace tamovid {
namespace {

inline constexpr int kSignCount = 12;
inline constexpr int kDegreesPerSign = 30;
inline constexpr int kMinutesPerDegree = 60;

// Dhuma lies 133°20' after the Sun: four whole signs and 13°20'.
inline constexpr int kDhumaSigns = 4;
inline constexpr int kDhumaDegrees = 13;
inline constexpr int kDhumaMinutes = 20;
// Upaketu lies 16°40' after Chapa.
inline constexpr int kUpaketuDegrees = 16;
inline constexpr int kUpaketuMinutes = 40;

struct Place {
    int sign = 0;
    int degrees = 0;
    int minutes = 0;
};

// One carry of minutes into degrees and one of degrees into the sign: every sum
// below stays under two signs and two degrees, so one of each is enough.
Place Carry(Place p) {
    if (p.minutes >= kMinutesPerDegree) {
        ++p.degrees;
        p.minutes -= kMinutesPerDegree;
    }
    if (p.degrees >= kDegreesPerSign) {
        ++p.sign;
        p.degrees -= kDegreesPerSign;
        if (p.sign >= kSignCount) p.sign -= kSignCount;
    }
    return p;
}

// The Sun brought into 0..29 degrees and 0..59 minutes, so that a value out of range
// (such as 99 degrees 75 minutes) still gives points inside the circle. A proper
// position passes unchanged.
Place SunPlace(const ZodiacPosition& sun) {
    const ZodiacPosition p = PositionInMinutes(ArcMinutes(sun));
    return {p.sign, p.degrees, p.minutes};
}

Place Dhuma(Place sun) {
    return Carry({(sun.sign + kDhumaSigns) % kSignCount, sun.degrees + kDhumaDegrees,
                  sun.minutes + kDhumaMinutes});
}

// 360° minus the point: borrow one degree for the minutes, reflect the sign, then carry
// back when the minutes were 0 (60 - 0 = 60).
Place Reflect(Place p) {
    const int degrees = p.degrees + 1;
    const int reflected =
        (kSignCount * kDegreesPerSign - (kDegreesPerSign * p.sign + degrees)) % kDegreesPerSign;
    return Carry({kSignCount - 1 - p.sign, reflected, kMinutesPerDegree - p.minutes});
}

Place Opposite(Place p) {
    p.sign = (p.sign + kSignCount / 2) % kSignCount;
    return p;
}

Place Upaketu(Place chapa) {
    return Carry({chapa.sign, chapa.degrees + kUpaketuDegrees, chapa.minutes + kUpaketuMinutes});
}

// Houses count forward from the Ascendant's sign, which is the first house.
int HouseFrom(int sign, int ascendantSign) {
    return (sign - ascendantSign + kSignCount) % kSignCount + 1;
}

}  // namespace

AprakashaResult CalcAprakashaGrahas(const ZodiacPosition& sun, const ZodiacPosition& ascendant) {
    AprakashaResult result;
    auto store = [&](AprakashaPoint point, Place p) {
        result.points[static_cast<std::size_t>(point)].position = {
            p.sign, p.degrees, p.minutes,
            static_cast<double>(ArcMinutes({p.sign, p.degrees, p.minutes})) / kMinutesPerDegree};
        return p;
    };
    const int ascendantSign = (ascendant.sign % kSignCount + kSignCount) % kSignCount;

    const Place dhuma = store(kDhuma, Dhuma(SunPlace(sun)));
    const Place vyatipata = store(kVyatipata, Reflect(dhuma));
    const Place parivesha = store(kParivesha, Opposite(vyatipata));
    const Place chapa = store(kChapa, Reflect(parivesha));
    store(kUpaketu, Upaketu(chapa));

    for (int i = 0; i < kAprakashaPointCount; ++i) {
        const auto point = static_cast<AprakashaPoint>(i);
        const auto index = static_cast<std::size_t>(i);
        AprakashaGraha& graha = result.points[index];
        const int house = HouseFrom(graha.position.sign, ascendantSign);
        graha.house = static_cast<std::int16_t>(house);
        graha.name = kAprNames[index];
        graha.lord = kAprLords[index];
        graha.description = kAprDescriptions[index];
        graha.interpretation = Interpretation(point, house);
    }
    return result;
}

std::array<std::string, kAprakashaPointCount> PointTexts(const AprakashaResult& result) {
    std::array<std::string, kAprakashaPointCount> texts;
    if (!HasPoints(result)) return texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = PointText(result.points[i].position);
    return texts;
}

}  // namespace tamovid
