#pragma once

#include <string>

#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/calendar.h"

namespace tamovid {

/// Ayanamsa correction in degrees (negative) for T Julian centuries from JD 2415020.0.
double Ayanamsa(double T);

/// Universal Time of the birth in hours from midnight of the civil birth date (may lie
/// outside 0..24): local clock time plus the zone's signed correction, one hour
/// earlier when daylight-saving time was in force. Sun and Ascendant share it.
double UniversalTimeHours(const BirthRecord& record);

struct AscendantResult {
    double julianDayNumber = 0;  ///< of the civil birth date
    double universalTime = 0;    ///< hours, see UniversalTimeHours
    double centuries = 0;        ///< T, Julian centuries from JD 2415020.0
    double vntAyanamsa = 0;      ///< degrees, negative: tropical + correction = sidereal
    double ramc = 0;             ///< sidereal time as an angle, degrees
    double obliquity = 0;        ///< degrees
    double ascendant = 0;        ///< sidereal longitude, degrees 0..360

    /// The Ascendant in the long text form, made when asked: no shown text reads it, so
    /// a calculation does not pay for it.
    std::string vntAscText() const;
};

/// The ayanamsa and the sidereal Ascendant of a birth.
AscendantResult CalcAscendant(const BirthRecord& record);

/// The same at any moment, for points that rise at other times than the birth: the
/// Julian day number of a civil date, Universal Time in hours from that date's midnight
/// (fractions of a second count; may lie outside 0..24), longitude in degrees west
/// positive, latitude north positive. CalcAscendant is this at the birth's moment.
AscendantResult AscendantAt(double julianDayNumber, double universalTime, double longitude,
                            double latitude);

}  // namespace tamovid
