#include "tamovid/precise/precise_positions.h"

#include <cmath>

#include <erfa.h>
#include <erfam.h>

#include "date_frame.h"
#include "tamovid/positions/sun.h"

namespace tamovid::precise {
namespace {

constexpr double kMonthsPerYear = 12;
constexpr double kMinutesPerHour = 60;
constexpr double kHoursPerDay = 24;

double Degrees0To360(double radians) {
    double degrees = eraAnp(radians) * ERFA_DR2D;
    if (degrees >= 360) degrees -= 360;  // a hair below 2 pi can round up
    return degrees;
}

double SunRadians(const DateFrame& frame, TwoPartDate tt) {
    double heliocentric[2][3];
    double barycentric[2][3];
    eraEpv00(tt.whole, tt.fraction, heliocentric, barycentric);

    // Light time: the Sun is seen where it stood when the light left it.
    const double distance = eraPm(heliocentric[0]);
    const double lightDays = distance * ERFA_AULT / ERFA_DAYSEC;
    double towardSun[3];
    for (int i = 0; i < 3; ++i) {
        const double sunVelocity = barycentric[1][i] - heliocentric[1][i];
        towardSun[i] = -heliocentric[0][i] - sunVelocity * lightDays;
    }
    double natural[3];
    double range = 0;
    eraPn(towardSun, &range, natural);

    // Annual aberration from the Earth's barycentric velocity, in units of c.
    double velocity[3];
    eraSxp(1.0 / ERFA_DC, barycentric[1], velocity);
    const double inverseLorentz = std::sqrt(1.0 - eraPdp(velocity, velocity));
    double apparent[3];
    eraAb(natural, velocity, distance, inverseLorentz, apparent);
    return TrueEclipticLongitude(frame, apparent);
}

double AscendantRadians(const DateFrame& frame, TwoPartDate ut, TwoPartDate tt,
                        double eastLongitude, double northLatitude) {
    const double gast =
        eraGst06(ut.whole, ut.fraction, tt.whole, tt.fraction, Mutable(frame.toTrueEquator));
    const double localSiderealTime = eraAnp(gast + eastLongitude);
    const double eps = frame.trueObliquity;
    // The point of the ecliptic rising in the east.
    const double ascendant = std::atan2(
        std::cos(localSiderealTime),
        -(std::sin(localSiderealTime) * std::cos(eps) + std::tan(northLatitude) * std::sin(eps)));
    return eraAnp(ascendant);
}

TwoPartDate TerrestrialTime(TwoPartDate ut, double deltaT) {
    return {ut.whole, ut.fraction + deltaT / ERFA_DAYSEC};
}

}  // namespace

DateFrame MakeDateFrame(TwoPartDate tt) {
    DateFrame frame{};
    double gamb = 0, phib = 0, psib = 0, epsa = 0;
    eraPfw06(tt.whole, tt.fraction, &gamb, &phib, &psib, &epsa);
    double dpsi = 0, deps = 0;
    eraNut06a(tt.whole, tt.fraction, &dpsi, &deps);
    const double psi = psib + dpsi;
    frame.trueObliquity = epsa + deps;
    // GCRS -> true ecliptic of date by the four Fukushima-Williams angles, then on to
    // the true equator by the true obliquity.
    eraIr(frame.toTrueEcliptic);
    eraRz(gamb, frame.toTrueEcliptic);
    eraRx(phib, frame.toTrueEcliptic);
    eraRz(-psi, frame.toTrueEcliptic);
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

double ApparentSunLongitude(TwoPartDate tt) {
    return Degrees0To360(SunRadians(MakeDateFrame(tt), tt));
}

double TropicalAscendant(TwoPartDate ut, TwoPartDate tt, double eastLongitude,
                         double northLatitude) {
    return Degrees0To360(AscendantRadians(MakeDateFrame(tt), ut, tt, eastLongitude * ERFA_DD2R,
                                          northLatitude * ERFA_DD2R));
}

PrecisePositions CalcPrecisePositions(const BirthRecord& record) {
    PrecisePositions result;
    const CivilDateTime moment = UniversalDateTime(record);
    double mjdZero = 0, mjd = 0;
    eraCal2jd(moment.year, moment.month, moment.day, &mjdZero, &mjd);
    result.universal = {mjdZero,
                        mjd + (moment.hour + moment.minute / kMinutesPerHour) / kHoursPerDay};
    result.deltaT = DeltaTSeconds(moment.year + (moment.month - 0.5) / kMonthsPerYear);
    const TwoPartDate tt = TerrestrialTime(result.universal, result.deltaT);

    double eastLongitude = record.intLonDeg + record.intLonMin / kMinutesPerHour;
    double northLatitude = record.intLatDeg + record.intLatMin / kMinutesPerHour;
    if (!record.blnEast) eastLongitude = -eastLongitude;
    if (record.blnSouth) northLatitude = -northLatitude;

    const DateFrame frame = MakeDateFrame(tt);
    const double ayanamsa = LahiriAyanamsaRadians(frame);
    const double sun = SunRadians(frame, tt);
    const double ascendant = AscendantRadians(frame, result.universal, tt,
                                              eastLongitude * ERFA_DD2R, northLatitude * ERFA_DD2R);
    result.ayanamsa = ayanamsa * ERFA_DR2D;
    result.sunTropical = Degrees0To360(sun);
    result.ascendantTropical = Degrees0To360(ascendant);
    result.sunSidereal = Degrees0To360(sun - ayanamsa);
    result.ascendantSidereal = Degrees0To360(ascendant - ayanamsa);
    result.sun = PositionAt(result.sunSidereal);
    result.ascendant = PositionAt(result.ascendantSidereal);
    return result;
}

}  // namespace tamovid::precise
