#include "tamovid/precise/precise_positions.h"

namespace tamovid::precise {

// Polynomial expressions for Delta T by F. Espenak and J. Meeus, "Five Millennium Canon
// of Solar Eclipses: -1999 to +3000", NASA/TP-2006-214141 (2006), section 2.6, as
// published on NASA's eclipse web site ("Polynomial Expressions for Delta T"). Each
// piece is a polynomial in years t from its own origin; they meet to a fraction of a
// second, far below what the Sun (0.04" per second of time) or a chart shows.
double DeltaTSeconds(double y) {
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * t * t * t * t;
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * t * t * t * t + 0.00002373599 * t * t * t * t * t;
    }
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
}

}  // namespace tamovid::precise
