#pragma once

namespace tamovid {

// The constants are kept to the digits the published method uses, so that every
// result matches its reference values to the last printed digit.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double dblRadPerDeg = 0.0174532925199433;  ///< radians per degree
inline constexpr double vntDegPerRad = 57.2957795130823;    ///< degrees per radian

/// Four-quadrant arctangent in radians, -pi..pi.
double ArcTan2(double y, double x);

/// x reduced into 0..2 pi (radians).
double ReduceRadians(double x);

}  // namespace tamovid
