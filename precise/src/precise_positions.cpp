#include "tamovid/precise/precise_positions.h"

#include <cmath>

#include <swephexp.h>

#include "precise_chart.h"
#include "swiss_session.h"
#include "tamovid/positions/sun.h"

namespace tamovid::precise {
namespace {

constexpr double kMinutesPerHour = 60;
constexpr double kHoursPerDay = 24;

double Degrees0To360(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) d += 360;
    if (d >= 360) d -= 360;  // a hair below zero can round up
    return d;
}

}  // namespace

TwoPartDate UniversalJulianDate(const BirthRecord& record) {
    const CivilDateTime moment = UniversalDateTime(record);
    // Midnight starting the day, then the time of day, kept apart for precision.
    return {swe_julday(moment.year, moment.month, moment.day, 0.0, SE_GREG_CAL),
            (moment.hour + moment.minute / kMinutesPerHour) / kHoursPerDay};
}

PrecisePositions CalcPrecisePositions(const BirthRecord& record, ChartOptions options) {
    SwissSession session(options.ayanamsa);
    return CalcPrecisePositions(record, options, session);
}

PrecisePositions CalcPrecisePositions(const BirthRecord& record, ChartOptions options,
                                      SwissSession& session) {
    PrecisePositions result;
    result.options = options;
    result.universal = UniversalJulianDate(record);
    const double jdUt = result.universal.whole + result.universal.fraction;
    result.deltaT = session.DeltaTSeconds(jdUt);

    double eastLongitude = record.intLonDeg + record.intLonMin / kMinutesPerHour;
    double northLatitude = record.intLatDeg + record.intLatMin / kMinutesPerHour;
    if (!record.blnEast) eastLongitude = -eastLongitude;
    if (record.blnSouth) northLatitude = -northLatitude;

    result.ayanamsa = session.AyanamsaDegrees(jdUt);
    const Place sun = session.Sidereal(jdUt, SE_SUN);
    result.sunSpeed = sun.speed;
    result.sunSidereal = sun.longitude;
    result.sunTropical = Degrees0To360(sun.longitude + result.ayanamsa);
    result.ascendantSidereal = session.SiderealAscendant(jdUt, eastLongitude, northLatitude);
    result.ascendantTropical = Degrees0To360(result.ascendantSidereal + result.ayanamsa);
    result.sun = PositionAt(result.sunSidereal);
    result.ascendant = PositionAt(result.ascendantSidereal);
    result.ephemeris = session.Source();
    return result;
}

}  // namespace tamovid::precise
