#include "tamovid/upagrahas/upagrahas.h"

#include <algorithm>
#include <cmath>

#include "tamovid/positions/ascendant.h"
#include "tamovid/precise/local_sky.h"
#include "tamovid/precise/precise_positions.h"

namespace tamovid::upagrahas {
namespace {

constexpr int kSlotCount = 8;  // the seven weekday lords, then the slot without a lord
constexpr int kSignCount = 12;
constexpr double kMinutesPerDegree = 60;
constexpr double kHoursPerDay = 24;
constexpr double kDegreesPerDay = 360;  // of longitude, for local mean time
/// The night's first lord is the fifth from the day's: four places on.
constexpr int kNightLordOffset = 4;
/// A sunrise is looked for from a little over a day before the birth.
constexpr double kSearchBackDays = 1.1;
/// A search that starts on a sunrise may find that sunrise again: the next one is
/// looked for from a quarter of an hour after it.
constexpr double kPastCrossingDays = 0.01;
/// What a portion point adds to the portion's start, in portions.
constexpr std::array<double, 3> kPointFraction{0.0, 0.5, 1.0};

int Modulo(int value, int divisor) { return ((value % divisor) + divisor) % divisor; }

/// The weekday of a moment's date in local mean time, 0 Sunday.
int VaraAt(double jdUt, double eastLongitude) {
    const double localMean = jdUt + eastLongitude / kDegreesPerDay;
    const auto dayNumber = static_cast<long long>(std::floor(localMean + 0.5));
    return static_cast<int>(Modulo(static_cast<int>(dayNumber % kWeekdayCount) + 1, kWeekdayCount));
}

std::optional<BirthDay> DayHolding(const precise::LocalSky& sky, double birth, double eastLongitude,
                                   double horizon) {
    using precise::SunCrossing;
    std::optional<double> sunrise =
        sky.NextSunCrossing(birth - kSearchBackDays, SunCrossing::kRise, horizon);
    if (!sunrise || *sunrise > birth) return std::nullopt;
    // A day is shorter than the search reaches back: a second sunrise may still come first.
    if (const std::optional<double> later =
            sky.NextSunCrossing(*sunrise + kPastCrossingDays, SunCrossing::kRise, horizon);
        later && *later <= birth) {
        sunrise = later;
    }
    const std::optional<double> nextSunrise = sky.NextSunCrossing(
        std::max(birth, *sunrise + kPastCrossingDays), SunCrossing::kRise, horizon);
    const std::optional<double> sunset = sky.NextSunCrossing(*sunrise, SunCrossing::kSet, horizon);
    if (!nextSunrise || !sunset || *sunset >= *nextSunrise) return std::nullopt;
    return BirthDay{*sunrise, *sunset, *nextSunrise, VaraAt(*sunrise, eastLongitude),
                    birth >= *sunset};
}

double AscendantAtMoment(const UpagrahaChart& chart, const precise::LocalSky& sky, double moment) {
    if (chart.engine == Engine::kPrecise) return sky.SiderealAscendant(moment, chart.ayanamsa);
    // The classic engine counts Universal Time in hours from the civil date's midnight.
    const double dayNumber = std::floor(moment + 0.5);
    const double universalTime = (moment + 0.5 - dayNumber) * kHoursPerDay;
    return AscendantAt(dayNumber, universalTime, -chart.eastLongitude, chart.northLatitude)
        .ascendant;
}

}  // namespace

std::optional<Graha> PortionLord(int vara, bool night, int portion, LordRule rule) {
    if (rule == LordRule::kSeven) {
        if (portion == kPortionsPerHalf - 1) return std::nullopt;
        return static_cast<Graha>(
            Modulo(vara + (night ? kNightLordOffset : 0) + portion, kWeekdayCount));
    }
    const int first = night ? Modulo(vara + kNightLordOffset, kWeekdayCount) : vara;
    const int slot = Modulo(first + portion, kSlotCount);
    if (slot == kSlotCount - 1) return std::nullopt;
    return static_cast<Graha>(slot);
}

int PortionOf(Graha lord, int vara, bool night, LordRule rule) {
    const int l = static_cast<int>(lord);
    if (rule == LordRule::kSeven) {
        return Modulo(l - vara - (night ? kNightLordOffset : 0), kWeekdayCount);
    }
    const int first = night ? Modulo(vara + kNightLordOffset, kWeekdayCount) : vara;
    return Modulo(l - first, kSlotCount);
}

UpagrahaChart ChartOf(const BirthRecord& record, const ChartOptions& options, double ascendant) {
    const precise::TwoPartDate birth = precise::UniversalJulianDate(record);
    double eastLongitude = record.intLonDeg + record.intLonMin / kMinutesPerDegree;
    double northLatitude = record.intLatDeg + record.intLatMin / kMinutesPerDegree;
    if (!record.blnEast) eastLongitude = -eastLongitude;
    if (record.blnSouth) northLatitude = -northLatitude;
    return {birth.whole + birth.fraction,
            eastLongitude,
            northLatitude,
            options.engine,
            options.ayanamsa,
            ascendant};
}

Result<Upagrahas, NoDay> CalcUpagrahas(const UpagrahaChart& chart, const UpagrahaOptions& options) {
    const precise::LocalSky sky(chart.birth, chart.eastLongitude, chart.northLatitude);
    const double horizon = SunriseRuleRow(options.sunrise).horizonDegrees;
    const std::optional<BirthDay> day = DayHolding(sky, chart.birth, chart.eastLongitude, horizon);
    if (!day) {
        const bool sunUp = sky.SunAltitude(chart.birth) >= horizon;
        return Failure{NoDay{sunUp ? NoDay::Kind::kNoSunset : NoDay::Kind::kNoSunrise}};
    }

    Upagrahas result;
    result.options = options;
    result.day = *day;
    const double start = day->nightBirth ? day->sunset : day->sunrise;
    const double end = day->nightBirth ? day->nextSunrise : day->sunset;
    const double portion = (end - start) / kPortionsPerHalf;
    const int ascendantSign = PositionAt(chart.ascendant).sign;
    for (const UpagrahaName& row : kUpagrahaNames) {
        UpagrahaPlace& place = result.places[UpagrahaIndex(row.upagraha)];
        place.upagraha = row.upagraha;
        place.lord = LordOf(row.upagraha);
        const int index = PortionOf(place.lord, day->vara, day->nightBirth, options.lords);
        place.moment =
            start +
            (index + kPointFraction[static_cast<std::size_t>(options.At(row.upagraha))]) * portion;
        place.longitude = AscendantAtMoment(chart, sky, place.moment);
        place.position = PositionAt(place.longitude);
        place.nakshatra = NakshatraOf(place.longitude);
        place.house = Modulo(place.position.sign - ascendantSign, kSignCount) + 1;
    }
    return result;
}

}  // namespace tamovid::upagrahas
