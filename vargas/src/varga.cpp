#include "tamovid/vargas/varga.h"

#include <cmath>

namespace tamovid {
namespace {

constexpr int kSigns = 12;
constexpr double kSignDegrees = 30;
constexpr double kFullCircle = 360;

constexpr int TotalParts() {
    int total = 0;
    for (const VargaRule& rule : kVargaRules) total += rule.parts;
    return total;
}

constexpr int ClassIndex(SignClass by, int sign) {
    switch (by) {
        case SignClass::kNone: return 0;
        case SignClass::kParity: return sign % 2;    // Aries, the first sign, is odd
        case SignClass::kModality: return sign % 3;  // Aries movable, Taurus fixed, Gemini dual
        case SignClass::kElement: return sign % 4;   // Aries fiery .. Cancer watery
    }
    return 0;
}

constexpr int Wrap(int sign) { return ((sign % kSigns) + kSigns) % kSigns; }

constexpr int TrimsamsaSign(int sign, int degree) {
    for (const TrimsamsaPart& part : kTrimsamsaParts[static_cast<std::size_t>(sign % 2)]) {
        if (degree < part.endDegree) return part.sign;
    }
    return -1;
}

// Every chart's signs for every part of the circle, 12 x parts each, worked out from the
// rules at compile time: a longitude's sign is then one look-up.
struct PartSigns {
    std::array<int, kVargaCount> first{};  // where each chart's run begins in `sign`
    std::array<std::int8_t, kSigns * TotalParts()> sign{};
};

constexpr PartSigns BuildPartSigns() {
    PartSigns table;
    int next = 0;
    for (std::size_t v = 0; v < kVargaCount; ++v) {
        const VargaRule& rule = kVargaRules[v];
        table.first[v] = next;
        for (int s = 0; s < kSigns; ++s) {
            const PartStart start =
                rule.starts[static_cast<std::size_t>(ClassIndex(rule.by, s))];
            for (int p = 0; p < rule.parts; ++p) {
                const int sign = rule.varga == Varga::kD30
                                     ? TrimsamsaSign(s, p)
                                     : Wrap((rule.fromOwnSign ? s : 0) + start.sign + start.step * p);
                table.sign[static_cast<std::size_t>(next++)] = static_cast<std::int8_t>(sign);
            }
        }
    }
    return table;
}

constexpr PartSigns kPartSigns = BuildPartSigns();

constexpr bool RulesInEnumOrder() {
    for (std::size_t v = 0; v < kVargaCount; ++v) {
        if (VargaIndex(kVargaRules[v].varga) != v) return false;
        if (kVargaRules[v].varga == Varga::kD30 && kVargaRules[v].parts != 30) return false;
    }
    return true;
}
static_assert(RulesInEnumOrder(), "kVargaRules is indexed by Varga; the D30 has 30 parts");
static_assert(kPartSigns.sign[kPartSigns.first[VargaIndex(Varga::kD9)] + 9] == 9,
              "Taurus's first Navamsa is Capricorn");

// 0 <= result < 360; NaN and infinities are the caller's to refuse.
double OnCircle(double longitude) {
    if (longitude >= 0 && longitude < kFullCircle) return longitude;
    double l = std::fmod(longitude, kFullCircle);
    if (l < 0) l += kFullCircle;
    return l;  // may be 360 when a tiny negative value was added to it
}

// The sign of a longitude already on the circle. The part is counted across the whole
// circle at once, so the sign's own boundary gets the same tolerance as the parts'.
std::int8_t SignOnCircle(std::size_t v, double longitude) {
    const int parts = kVargaRules[v].parts;
    const int inCircle = kSigns * parts;
    // Non-negative, so the conversion's truncation is the floor.
    int part = static_cast<int>((longitude + kBoundaryToleranceDegrees) * parts / kSignDegrees);
    if (part >= inCircle) part -= inCircle;
    return kPartSigns.sign[static_cast<std::size_t>(kPartSigns.first[v] + part)];
}

}  // namespace

int VargaSign(Varga varga, double siderealLongitude) {
    if (!std::isfinite(siderealLongitude)) return -1;
    return SignOnCircle(VargaIndex(varga), OnCircle(siderealLongitude));
}

VargaSigns AllVargaSigns(double siderealLongitude) {
    VargaSigns signs;
    if (!std::isfinite(siderealLongitude)) {
        signs.fill(-1);
        return signs;
    }
    const double longitude = OnCircle(siderealLongitude);
    for (std::size_t v = 0; v < kVargaCount; ++v) signs[v] = SignOnCircle(v, longitude);
    return signs;
}

}  // namespace tamovid
