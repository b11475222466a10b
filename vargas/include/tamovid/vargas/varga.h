#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tamovid/base/result.h"

namespace tamovid {

/// The sixteen divisional charts in the order they are offered: the Rasi and the
/// Navamsa first, then the rest by number.
enum class Varga : std::uint8_t {
    kD1, kD9, kD2, kD3, kD4, kD7, kD10, kD12, kD16, kD20, kD24, kD27, kD30, kD40, kD45, kD60
};
inline constexpr std::size_t kVargaCount = 16;

/// How a chart's first part is chosen from the sign being divided (sign index s,
/// Aries 0): by nothing, by odd or even sign (odd: Aries, Gemini, ...), by movable, fixed
/// or dual sign, or by fiery, earthy, airy or watery sign.
enum class SignClass : std::uint8_t { kNone, kParity, kModality, kElement };

/// Where part 0 of a sign of one class falls, and how far each next part moves on.
struct PartStart {
    std::int8_t sign = 0;  ///< counted from Aries, or from the divided sign itself
    std::int8_t step = 1;  ///< signs per part: 1 for "from X", 4 for the Drekkana, -1 ...
};

/// One divisional chart: its sign is that of part p of the 30 deg sign s, with parts of
/// 30/parts degrees, p counted from 0.
struct VargaRule {
    Varga varga;
    int number;             ///< 9 for the Navamsa
    std::string_view key;   ///< "D9": options, the command line and JSON
    std::string_view name;  ///< "Navamsa"
    int parts;              ///< equal parts of a sign; the Trimsamsa's unequal ones below
    SignClass by;           ///< which class of s picks the start
    bool fromOwnSign;       ///< the start is counted from s, not from Aries
    std::array<PartStart, 4> starts;  ///< by the class's index: odd 0 even 1; movable 0
                                      ///< fixed 1 dual 2; fiery 0 earthy 1 airy 2 watery 3
};

// clang-format off
inline constexpr std::array<VargaRule, kVargaCount> kVargaRules{{
    {Varga::kD1,  1,  "D1",  "Rasi",            1,  SignClass::kNone,     true,  {{{0, 1}}}},
    {Varga::kD9,  9,  "D9",  "Navamsa",         9,  SignClass::kModality, true,  {{{0, 1}, {8, 1}, {4, 1}}}},
    // Odd signs: Leo then Cancer; even signs: Cancer then Leo.
    {Varga::kD2,  2,  "D2",  "Hora",            2,  SignClass::kParity,   false, {{{4, -1}, {3, 1}}}},
    {Varga::kD3,  3,  "D3",  "Drekkana",        3,  SignClass::kNone,     true,  {{{0, 4}}}},
    {Varga::kD4,  4,  "D4",  "Chaturthamsa",    4,  SignClass::kNone,     true,  {{{0, 3}}}},
    {Varga::kD7,  7,  "D7",  "Saptamsa",        7,  SignClass::kParity,   true,  {{{0, 1}, {6, 1}}}},
    {Varga::kD10, 10, "D10", "Dasamsa",         10, SignClass::kParity,   true,  {{{0, 1}, {8, 1}}}},
    {Varga::kD12, 12, "D12", "Dwadasamsa",      12, SignClass::kNone,     true,  {{{0, 1}}}},
    {Varga::kD16, 16, "D16", "Shodasamsa",      16, SignClass::kModality, false, {{{0, 1}, {4, 1}, {8, 1}}}},
    {Varga::kD20, 20, "D20", "Vimsamsa",        20, SignClass::kModality, false, {{{0, 1}, {8, 1}, {4, 1}}}},
    {Varga::kD24, 24, "D24", "Chaturvimsamsa",  24, SignClass::kParity,   false, {{{4, 1}, {3, 1}}}},
    {Varga::kD27, 27, "D27", "Saptavimsamsa",   27, SignClass::kElement,  false, {{{0, 1}, {3, 1}, {6, 1}, {9, 1}}}},
    // Unequal parts: see kTrimsamsaParts; 30 one-degree parts carry them.
    {Varga::kD30, 30, "D30", "Trimsamsa",       30, SignClass::kParity,   false, {}},
    {Varga::kD40, 40, "D40", "Khavedamsa",      40, SignClass::kParity,   false, {{{0, 1}, {6, 1}}}},
    {Varga::kD45, 45, "D45", "Akshavedamsa",    45, SignClass::kModality, false, {{{0, 1}, {4, 1}, {8, 1}}}},
    {Varga::kD60, 60, "D60", "Shashtiamsa",     60, SignClass::kNone,     true,  {{{0, 1}}}},
}};
// clang-format on

/// One part of the Trimsamsa: it runs up to `endDegree` within the sign (the previous
/// part's end, or 0, is its start) and falls in `sign`.
struct TrimsamsaPart {
    int endDegree;
    std::int8_t sign;
};
/// Odd signs: 0-5 Aries, 5-10 Aquarius, 10-18 Sagittarius, 18-25 Gemini, 25-30 Libra;
/// even signs: 0-5 Taurus, 5-12 Virgo, 12-20 Pisces, 20-25 Capricorn, 25-30 Scorpio.
inline constexpr std::array<std::array<TrimsamsaPart, 5>, 2> kTrimsamsaParts{{
    {{{5, 0}, {10, 10}, {18, 8}, {25, 2}, {30, 6}}},
    {{{5, 1}, {12, 5}, {20, 11}, {25, 9}, {30, 7}}},
}};

constexpr std::size_t VargaIndex(Varga v) { return static_cast<std::size_t>(v); }
constexpr const VargaRule& RuleOf(Varga v) { return kVargaRules[VargaIndex(v)]; }

/// How far below a part's boundary a longitude still counts as on it, in degrees: half a
/// millionth of an arc minute. Most boundaries have no exact double (3 deg 20' is 10/3 of a
/// degree, and the nearest double may lie on either side of it), so a longitude written
/// for a boundary, 23 + 20/60.0 or 23.3333333333 typed to ten places, lands in the part
/// that begins there. NakshatraOf places padas with the same tolerance, so the Navamsa
/// and the pada of a longitude always agree.
inline constexpr double kBoundaryToleranceDegrees = 0.5e-6 / 60;

/// The sign, 0 Aries .. 11 Pisces, of a sidereal longitude (degrees, any value, taken
/// round the circle) in one divisional chart. A longitude on a boundary belongs to the
/// part that begins there; see kBoundaryToleranceDegrees. -1 for a longitude that is not
/// finite.
int VargaSign(Varga varga, double siderealLongitude);

/// The sixteen signs of one longitude, indexed by Varga (VargaIndex); all -1 for a
/// longitude that is not finite.
using VargaSigns = std::array<std::int8_t, kVargaCount>;
VargaSigns AllVargaSigns(double siderealLongitude);

/// The charts a list names: "all" (the sixteen in order) or keys joined by commas,
/// "D9,D10", kept in the order given; the letter in either case, blanks around a key
/// ignored. An unknown key, an empty item or a key named twice is refused with a message
/// that lists the keys.
Result<std::vector<Varga>, std::string> ParseVargaList(std::string_view text);

}  // namespace tamovid
