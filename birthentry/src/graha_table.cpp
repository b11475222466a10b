#include "tamovid/birthentry/graha_table.h"

#include "tamovid/aprakasha/point_texts.h"
#include "tamovid/precise/nine_grahas.h"

namespace tamovid {
namespace {

constexpr int kSigns = 12;
/// The classic engine has one ayanamsa of its own, not one of the precise engine's.
constexpr std::string_view kClassicAyanamsaName = "Classic";
constexpr std::array<std::string_view, kNotedPointCount> kPointLabels{"Dh", "Vy", "Pa", "Ch", "Up"};

int HouseFrom(int ascendantSign, int sign) {
    return ((sign - ascendantSign) % kSigns + kSigns) % kSigns + 1;
}

GrahaRow RowAt(std::string_view name, std::string_view label, const ZodiacPosition& position,
               int ascendantSign, bool retrograde) {
    return {name,
            label,
            position,
            NakshatraOf(position.longitude),
            HouseFrom(ascendantSign, position.sign),
            retrograde};
}

}  // namespace

GrahaTable ComputeGrahaTable(const Reading& reading) {
    precise::NineGrahas nine = reading.options.engine == Engine::kPrecise
                                   ? precise::CalcPreciseGrahas(reading.record, reading.options)
                                   : precise::CalcClassicGrahas(reading.record, reading.options);
    // One Sun and one Ascendant per chart: the reading's.
    nine.grahas[GrahaIndex(Graha::kSun)].longitude = reading.sun.longitude;

    GrahaTable table;
    table.options = reading.options;
    table.ayanamsa = nine.ayanamsa;
    table.ayanamsaName = reading.options.engine == Engine::kPrecise
                             ? AyanamsaDisplayName(reading.options.ayanamsa)
                             : kClassicAyanamsaName;
    table.ephemeris = nine.ephemeris;
    table.grahas = nine.grahas;

    const int ascendantSign = reading.ascendant.sign;
    table.rows[kAscendantRow] = RowAt("Ascendant", "As", reading.ascendant, ascendantSign, false);
    for (std::size_t g = 0; g < kGrahaCount; ++g) {
        const GrahaPosition& graha = nine.grahas[g];
        const ZodiacPosition position =
            graha.graha == Graha::kSun ? reading.sun : PositionAt(graha.longitude);
        table.rows[kFirstGrahaRow + g] = RowAt(kGrahaNames[g].name, kGrahaNames[g].label, position,
                                               ascendantSign, graha.retrograde);
    }
    std::array<double, kNotedPointCount> points{};
    for (std::size_t p = 0; p < kNotedPointCount; ++p) {
        const ZodiacPosition& position = reading.grahas.points[p].position;
        points[p] = position.longitude;
        table.rows[kFirstPointRow + p] =
            RowAt(kAprNames[p], kPointLabels[p], position, ascendantSign, false);
    }
    table.notes = ConjunctionNotes(points, nine.grahas, reading.ascendant.longitude);
    return table;
}

}  // namespace tamovid
