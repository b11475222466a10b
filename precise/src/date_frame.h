#pragma once

#include "tamovid/precise/precise_positions.h"

namespace tamovid::precise {

// ERFA takes its matrices and vectors as non-const arrays even where it only reads them.
using Matrix = double[3][3];
inline Matrix& Mutable(const Matrix& m) { return const_cast<Matrix&>(m); }
inline double* Mutable(const double* v) { return const_cast<double*>(v); }

/// The orientation of the sky at one moment (TT), worked out once because the
/// nutation series behind it is the costly part of a chart.
struct DateFrame {
    double toTrueEquator[3][3];   ///< GCRS to true equator and equinox of date
    double toTrueEcliptic[3][3];  ///< GCRS to true ecliptic and equinox of date
    double trueObliquity;         ///< radians
};

/// Precession IAU 2006 and nutation IAU 2000A (with the IAU 2006 adjustments).
DateFrame MakeDateFrame(TwoPartDate tt);

/// Longitude (radians, 0..2 pi) on the true ecliptic of date of a GCRS direction.
double TrueEclipticLongitude(const DateFrame& frame, const double gcrs[3]);

/// The Lahiri zero point's longitude, radians, on the frame's true ecliptic.
double LahiriAyanamsaRadians(const DateFrame& frame);

}  // namespace tamovid::precise
