#include "tamovid/positions/ascendant.h"

#include <cmath>

#include "tamovid/positions/angles.h"
#include "tamovid/positions/longitude_text.h"

namespace tamovid {

double JulianDayNumber(int month, int day, int year) {
    // Months counted from March of the year -4800.
    const double m = 12.0 * (year + 4800) + month - 3;
    double j = std::floor((365 * m + 7 + 2 * (m - 12 * std::floor(m / 12))) / 12) + day +
               std::floor(m / 48) - 32083;
    if (j > 2299171) j += std::floor(m / 4800) - std::floor(m / 1200) + 38;  // Gregorian
    return j;
}

double Ayanamsa(double T) {
    double omega = (933060 - 6962911 * T + 7.5 * T * T) / 3600;  // Moon's mean node
    while (omega >= 360) omega -= 360;
    const double twiceSunMeanLongitude = (2013816 + 259205536 * T) / 3600;
    const double nutation = 17.23 * std::sin(omega * dblRadPerDeg) +
                            1.27 * std::sin(twiceSunMeanLongitude * dblRadPerDeg);  // arc seconds
    return (nutation - (5025.64 + 1.11 * T) * T - 80861.27) / 3600;
}

double UniversalTimeHours(const BirthRecord& record) {
    double ut = record.intHour + record.intMinute / 60.0 + record.vntZoneHour +
                record.vntZoneMinute / 60.0;
    if (record.blnDST) ut -= 1;
    return ut;
}

AscendantResult CalcAscendant(const BirthRecord& record) {
    AscendantResult result;
    // Inside the engine longitude is west-positive and latitude north-positive.
    double longitude = record.intLonDeg + record.intLonMin / 60.0;
    double latitude = record.intLatDeg + record.intLatMin / 60.0;
    if (record.blnEast) longitude = -longitude;
    if (record.blnSouth) latitude = -latitude;

    result.julianDayNumber = JulianDayNumber(record.intMonth, record.intDate, record.intYear);
    result.universalTime = UniversalTimeHours(record);
    const double T =
        (result.julianDayNumber - 2415020 + result.universalTime / 24 - 0.5) / 36525;
    result.centuries = T;
    result.vntAyanamsa = Ayanamsa(T);

    double ramc =
        15 * (result.universalTime + 6.6460656 + 2400.0513 * T + 0.0000258 * T * T) - longitude;
    while (ramc >= 360) ramc -= 360;
    result.ramc = ramc;
    ramc *= dblRadPerDeg;

    const double obliquity = dblRadPerDeg * (23.452294 - 0.0130125 * T);
    result.obliquity = obliquity * vntDegPerRad;

    double ascendant = ArcTan2(std::cos(ramc), -(std::sin(ramc) * std::cos(obliquity) +
                                                 std::sin(obliquity) *
                                                     std::tan(latitude * dblRadPerDeg)));
    if (ascendant < 0) ascendant += kPi;
    if (std::cos(ramc) < 0) ascendant += kPi;
    ascendant *= vntDegPerRad;
    while (ascendant >= 360) ascendant -= 360;
    ascendant += result.vntAyanamsa;

    result.ascendant = Norm360(ascendant);
    result.vntAscText = FormatLongitude(result.ascendant);
    return result;
}

}  // namespace tamovid
