#include "tamovid/aprakasha/aprakasha.h"

#include <cstddef>
#include <string>
#include <utility>

#include "tamovid/aprakasha/interpretations.h"

namespace tamovid {
namespace {

bool IsPoint(AprakashaPoint point) { return point >= 0 && point < kAprakashaPointCount; }

}  // namespace

std::string_view Interpretation(AprakashaPoint point, int house) {
    if (!IsPoint(point) || house < 1 || house > kHouseCount) return {};
    return kAprInterpretationTable[static_cast<std::size_t>(point)]
                                  [static_cast<std::size_t>(house - 1)];
}

std::array<std::string, 5> ResultLines(const AprakashaResult& result, AprakashaPoint point) {
    // An unknown point shows the fixed wording around empty values, as an empty result does.
    static const AprakashaResult kEmpty;
    const AprakashaResult& from = IsPoint(point) ? result : kEmpty;
    const std::size_t i = IsPoint(point) ? static_cast<std::size_t>(point) : 0;

    std::string position = "Position at ";
    position += PointTexts(from)[i];
    const AprakashaGraha& graha = from.points[i];
    std::string lord = "Lord is ";
    lord += graha.lord;
    std::string house(graha.name);
    house += " is in the house " + std::to_string(graha.house) + " from the Ascendant";
    return {std::move(position), std::move(lord), std::string(graha.description),
            std::move(house), std::string(graha.interpretation)};
}

}  // namespace tamovid
