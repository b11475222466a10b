#include "tamovid/aprakasha/aprakasha.h"

#include <cstddef>

#include "position_text.h"
#include "tamovid/aprakasha/interpretations.h"
#include "tamovid/aprakasha/point_texts.h"

namespace tamovid {
namespace {

inline constexpr int kSignCount = 12;
inline constexpr int kDegreesPerSign = 30;
inline constexpr int kMinutesPerDegree = 60;
inline constexpr int kMinutesPerCircle = kSignCount * kDegreesPerSign * kMinutesPerDegree;

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

// The Sun as read, brought into 0..29 degrees and 0..59 minutes, so that a text out
// of range (such as "99 Ari 75" or "-5 Leo 00") still gives points inside the circle.
// A proper compact text passes unchanged.
Place SunFromText(std::string_view sunCompact) {
    const int total = (detail::ReadSignIndex(sunCompact) * kDegreesPerSign +
                       detail::ReadNumberInColumns(sunCompact, 1, 2)) *
                          kMinutesPerDegree +
                      detail::ReadNumberInColumns(sunCompact, 8, 9);
    const int wrapped = ((total % kMinutesPerCircle) + kMinutesPerCircle) % kMinutesPerCircle;
    const int degrees = wrapped / kMinutesPerDegree;
    return {degrees / kDegreesPerSign, degrees % kDegreesPerSign, wrapped % kMinutesPerDegree};
}

Place Dhuma(Place sun) {
    return Carry({(sun.sign + kDhumaSigns) % kSignCount, sun.degrees + kDhumaDegrees,
                  sun.minutes + kDhumaMinutes});
}

// 360° minus the point: borrow one degree for the minutes, reflect the sign, then carry
// back when the minutes were 0 (60 - 0 = 60).
Place Reflect(std::string_view pointText, int sign) {
    const detail::DegreesMinutes read = detail::ReadPointText(pointText);
    const int degrees = read.degrees + 1;
    const int reflected =
        (kSignCount * kDegreesPerSign - (kDegreesPerSign * sign + degrees)) % kDegreesPerSign;
    return Carry({kSignCount - 1 - sign, reflected, kMinutesPerDegree - read.minutes});
}

Place Opposite(Place p) {
    p.sign = (p.sign + kSignCount / 2) % kSignCount;
    return p;
}

Place Upaketu(std::string_view chapaText, int sign) {
    const detail::DegreesMinutes read = detail::ReadPointText(chapaText);
    return Carry({sign, read.degrees + kUpaketuDegrees, read.minutes + kUpaketuMinutes});
}

// Houses count forward from the Ascendant's sign, which is the first house.
int HouseFrom(int sign, int ascendantSign) {
    return (sign - ascendantSign + kSignCount) % kSignCount + 1;
}

}  // namespace

AprakashaResult CalcAprakashaGrahas(std::string_view sunCompact,
                                    std::string_view ascendantCompact) {
    AprakashaResult result;
    std::array<int, kAprakashaPointCount> signs{};
    auto store = [&](AprakashaPoint point, Place p) {
        signs[point] = p.sign;
        result.strAprPositions[point] = detail::WritePointText(p.sign, p.degrees, p.minutes);
    };

    const int ascendantSign = detail::ReadSignIndex(ascendantCompact);

    store(kDhuma, Dhuma(SunFromText(sunCompact)));
    const Place vyatipata = Reflect(result.strAprPositions[kDhuma], signs[kDhuma]);
    store(kVyatipata, vyatipata);
    // Parivesha keeps Vyatipata's degrees and minutes as computed, not re-read.
    store(kParivesha, Opposite(vyatipata));
    store(kChapa, Reflect(result.strAprPositions[kParivesha], signs[kParivesha]));
    store(kUpaketu, Upaketu(result.strAprPositions[kChapa], signs[kChapa]));

    for (int i = 0; i < kAprakashaPointCount; ++i) {
        const auto point = static_cast<AprakashaPoint>(i);
        const int house = HouseFrom(signs[point], ascendantSign);
        result.intAprHouses[point] = static_cast<std::int16_t>(house);
        result.strAprNames[point] = kAprNames[point];
        result.strAprLords[point] = kAprLords[point];
        result.strAprDescriptions[point] = kAprDescriptions[point];
        result.strAprInterpretations[point] = Interpretation(point, house);
    }
    return result;
}

}  // namespace tamovid
