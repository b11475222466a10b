#include <erfa.h>
#include <erfam.h>

#include "date_frame.h"

namespace tamovid::precise {
namespace {

// The Lahiri (Chitrapaksha) ayanamsa, defined by the Calendar Reform Committee (Report
// of the Calendar Reform Committee, Government of India, 1955) and given in the Indian
// Astronomical Ephemeris as 23 deg 15' 00.658" on 21 March 1956, 0h TT (JD 2435553.5):
// the true value, from the true equinox of that date. The sidereal zero point is a fixed
// direction among the stars; IAU 2006 precession and IAU 2000A nutation carry it to any
// other date.
constexpr TwoPartDate kReferenceEpoch{2435553.5, 0.0};
constexpr double kTrueAyanamsaAtEpochArcsec = 23 * 3600 + 15 * 60 + 0.658;

/// The zero point as a GCRS unit vector: on the true ecliptic of the reference epoch,
/// the ayanamsa east of its true equinox.
struct ZeroPoint {
    double gcrs[3];
};

ZeroPoint MakeZeroPoint() {
    const DateFrame epoch = MakeDateFrame(kReferenceEpoch);
    double ofEpoch[3];
    eraS2c(kTrueAyanamsaAtEpochArcsec * ERFA_DAS2R, 0.0, ofEpoch);
    ZeroPoint zero{};
    eraTrxp(Mutable(epoch.toTrueEcliptic), ofEpoch, zero.gcrs);
    return zero;
}

}  // namespace

double LahiriAyanamsaRadians(const DateFrame& frame) {
    static const ZeroPoint zero = MakeZeroPoint();
    return TrueEclipticLongitude(frame, zero.gcrs);
}

double LahiriAyanamsa(TwoPartDate tt) {
    return LahiriAyanamsaRadians(MakeDateFrame(tt)) * ERFA_DR2D;
}

}  // namespace tamovid::precise
