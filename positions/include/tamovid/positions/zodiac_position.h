#pragma once

#include <string>

namespace tamovid {

/// A place on the zodiac as readings show it: the sign, and whole degrees and minutes
/// within it (truncated, never rounded), beside the longitude they were taken from.
/// Points derived in whole minutes carry the longitude of those minutes.
struct ZodiacPosition {
    int sign = 0;          ///< 0 Aries .. 11 Pisces
    int degrees = 0;       ///< 0..29 within the sign
    int minutes = 0;       ///< 0..59
    double longitude = 0;  ///< degrees, 0..360

    friend bool operator==(const ZodiacPosition&, const ZodiacPosition&) = default;
};

/// The position of |longitude| degrees, truncated exactly as the long text form is;
/// 360 and beyond wrap into Aries.
ZodiacPosition PositionAt(double longitude);

/// The position of a whole number of arc minutes, taken round the circle.
ZodiacPosition PositionInMinutes(int arcMinutes);

/// Arc minutes from 0 Aries, 0..21599.
int ArcMinutes(const ZodiacPosition& position);

/// Compact form with two-digit numbers: "16 Sag 31", "00 Ari 05".
std::string CompactText(const ZodiacPosition& position);

/// Point form with plain numbers: "16 Sag 31", "0 Pis 0".
std::string PointText(const ZodiacPosition& position);

/// The same two forms added to the end of `text`, for writers that make many at a time.
void AppendCompactText(std::string& text, const ZodiacPosition& position);
void AppendPointText(std::string& text, const ZodiacPosition& position);

}  // namespace tamovid
