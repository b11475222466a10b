#include "erfa_reference.h"

#include <cmath>

#include <erfa.h>
#include <erfam.h>

namespace tamovid::precise::reference {
namespace {

// ERFA takes its matrices and vectors as non-const arrays even where it only reads them.
using Matrix = double[3][3];
Matrix& Mutable(const Matrix& m) { return const_cast<Matrix&>(m); }
double* Mutable(const double* v) { return const_cast<double*>(v); }

struct DateFrame {
    double toTrueEquator[3][3];   // GCRS to true equator and equinox of date
    double toTrueEcliptic[3][3];  // GCRS to true ecliptic and equinox of date
    double trueObliquity;         // radians
};

DateFrame MakeDateFrame(Jd tt) {
    DateFrame frame{};
    double gamb = 0, phib = 0, psib = 0, epsa = 0;
    eraPfw06(tt.whole, tt.fraction, &gamb, &phib, &psib, &epsa);
    double dpsi = 0, deps = 0;
    eraNut06a(tt.whole, tt.fraction, &dpsi, &deps);
    frame.trueObliquity = epsa + deps;
    eraIr(frame.toTrueEcliptic);
    eraRz(gamb, frame.toTrueEcliptic);
    eraRx(phib, frame.toTrueEcliptic);
    eraRz(-(psib + dpsi), frame.toTrueEcliptic);
    eraCr(frame.toTrueEcliptic, frame.toTrueEquator);
    eraRx(-frame.trueObliquity, frame.toTrueEquator);
    return frame;
}

double TrueEclipticLongitude(const DateFrame& frame, const double gcrs[3]) {
    double ofDate[3];
    eraRxp(Mutable(frame.toTrueEcliptic), Mutable(gcrs), ofDate);
    double longitude = 0, latitude = 0;
    eraC2s(ofDate, &longitude, &latitude);
    return eraAnp(longitude);
}

}  // namespace

double ApparentSun(Jd tt) {
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(tt.whole, tt.fraction, heliocentric, barycentric);
    // Light time: the Sun is seen where it stood when the light left it.
    const double distance = eraPm(heliocentric[0]);
    const double lightDays = distance * ERFA_AULT / ERFA_DAYSEC;
    double towardSun[3];
    for (int i = 0; i < 3; ++i) {
        towardSun[i] = -heliocentric[0][i] - (barycentric[1][i] - heliocentric[1][i]) * lightDays;
    }
    double natural[3];
    double range = 0;
    eraPn(towardSun, &range, natural);
    double velocity[3];
    eraSxp(1.0 / ERFA_DC, barycentric[1], velocity);
    double apparent[3];
    eraAb(natural, velocity, distance, std::sqrt(1.0 - eraPdp(velocity, velocity)), apparent);
    return TrueEclipticLongitude(MakeDateFrame(tt), apparent) * ERFA_DR2D;
}

double TropicalAscendant(Jd ut, Jd tt, double eastLongitude, double northLatitude) {
    const DateFrame frame = MakeDateFrame(tt);
    const double gast =
        eraGst06(ut.whole, ut.fraction, tt.whole, tt.fraction, Mutable(frame.toTrueEquator));
    const double lst = eraAnp(gast + eastLongitude * ERFA_DD2R);
    const double eps = frame.trueObliquity;
    const double ascendant = std::atan2(
        std::cos(lst),
        -(std::sin(lst) * std::cos(eps) + std::tan(northLatitude * ERFA_DD2R) * std::sin(eps)));
    return eraAnp(ascendant) * ERFA_DR2D;
}

double LahiriAyanamsa(Jd tt) {
    static const auto zero = [] {
        constexpr Jd kReferenceEpoch{2435553.5, 0.0};
        constexpr double kTrueAyanamsaAtEpochArcsec = 23 * 3600 + 15 * 60 + 0.658;
        const DateFrame epoch = MakeDateFrame(kReferenceEpoch);
        double ofEpoch[3];
        eraS2c(kTrueAyanamsaAtEpochArcsec * ERFA_DAS2R, 0.0, ofEpoch);
        struct {
            double gcrs[3];
        } z{};
        eraTrxp(Mutable(epoch.toTrueEcliptic), ofEpoch, z.gcrs);
        return z;
    }();
    return TrueEclipticLongitude(MakeDateFrame(tt), zero.gcrs) * ERFA_DR2D;
}

}  // namespace tamovid::precise::reference
