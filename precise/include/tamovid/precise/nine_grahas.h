#pragma once

#include <array>

#include "tamovid/choices/chart_options.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/precise/ephemeris.h"

namespace tamovid::precise {

/// The nine grahas and the Ascendant of one chart, sidereal, in one frame.
struct NineGrahas {
    std::array<GrahaPosition, kGrahaCount> grahas;  ///< Sun .. Ketu, in Graha order
    double ascendant = 0;                           ///< sidereal, degrees 0..360
    double ayanamsa = 0;   ///< degrees: apparent tropical longitude of date less it is sidereal
    ChartOptions options;  ///< the ayanamsa (precise engine only) and the node
    EphemerisSource ephemeris = EphemerisSource::kDataFiles;

    const GrahaPosition& operator[](Graha g) const { return grahas[GrahaIndex(g)]; }
};

/// The precise engine's chart: the Sun, the Ascendant and the ayanamsa are those of
/// CalcPrecisePositions; the Moon and the planets are apparent geocentric; Rahu is the
/// mean or the true node and Ketu the point opposite. Safe to call from several threads.
NineGrahas CalcPreciseGrahas(const BirthRecord& record, ChartOptions options = {});

/// The classic engine's chart: its own Sun, Ascendant and ayanamsa; the other grahas'
/// apparent tropical longitudes from the ephemeris less that ayanamsa. options.ayanamsa
/// is not used (the classic engine has one ayanamsa of its own).
NineGrahas CalcClassicGrahas(const BirthRecord& record, ChartOptions options = {});

}  // namespace tamovid::precise
