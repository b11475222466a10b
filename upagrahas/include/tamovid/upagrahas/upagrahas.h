#pragma once

#include <array>
#include <optional>

#include "tamovid/choices/chart_options.h"
#include "tamovid/grahas/graha.h"
#include "tamovid/grahas/nakshatra.h"
#include "tamovid/positions/birth_record.h"
#include "tamovid/positions/result.h"
#include "tamovid/positions/zodiac_position.h"

namespace tamovid::upagrahas {

inline constexpr int kWeekdayCount = 7;
inline constexpr int kPortionsPerHalf = 8;

/// "Sunday" .. "Saturday"; the weekday's lord is the graha of the same number (Sunday,
/// the Sun, 0 .. Saturday, Saturn, 6).
inline constexpr std::array<std::string_view, kWeekdayCount> kVaraNames{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

/// The day that holds a birth: from the sunrise at or before it to the next sunrise.
/// Moments are Julian Dates in Universal Time.
struct BirthDay {
    double sunrise = 0;
    double sunset = 0;
    double nextSunrise = 0;
    int vara = 0;             ///< 0 Sunday .. 6 Saturday: the weekday of the sunrise's date
                              ///< in the place's local mean time
    bool nightBirth = false;  ///< born between the sunset and the next sunrise
};

/// Whose portion each of the six rises in, in Upagraha order.
inline constexpr std::array<Graha, kUpagrahaCount> kUpagrahaLords{
    Graha::kSun, Graha::kMars, Graha::kMercury, Graha::kJupiter, Graha::kSaturn, Graha::kSaturn};
constexpr Graha LordOf(Upagraha u) { return kUpagrahaLords[UpagrahaIndex(u)]; }

/// The lord of portion `portion` (0..7) of the day or the night of weekday `vara`;
/// nothing for the portion without a lord.
std::optional<Graha> PortionLord(int vara, bool night, int portion, LordRule rule);

/// The portion (0..7) of the day or the night that `lord` (Sun .. Saturn) rules.
int PortionOf(Graha lord, int vara, bool night, LordRule rule);

/// One of the six as a reading shows it.
struct UpagrahaPlace {
    Upagraha upagraha = Upagraha::kKala;
    Graha lord = Graha::kSun;
    double moment = 0;     ///< Julian Date, UT: where in its lord's portion it rises
    double longitude = 0;  ///< sidereal, degrees 0..360: the Ascendant at that moment
    ZodiacPosition position;
    NakshatraPada nakshatra;
    int house = 1;  ///< 1..12, counted by sign from the birth's Ascendant
};

struct Upagrahas {
    UpagrahaOptions options;
    BirthDay day;
    std::array<UpagrahaPlace, kUpagrahaCount> places{};

    const UpagrahaPlace& operator[](Upagraha u) const { return places[UpagrahaIndex(u)]; }
};

/// Why the six could not be placed: the Sun stayed up or down around the birth.
struct NoDay {
    enum class Kind { kNoSunset, kNoSunrise } kind = Kind::kNoSunset;
    friend bool operator==(const NoDay&, const NoDay&) = default;
};

/// What the six are computed from: the birth's moment and place, and the chart's engine,
/// ayanamsa and Ascendant.
struct UpagrahaChart {
    double birth = 0;          ///< Julian Date, UT
    double eastLongitude = 0;  ///< degrees
    double northLatitude = 0;  ///< degrees
    Engine engine = Engine::kClassic;
    AyanamsaChoice ayanamsa = AyanamsaChoice::kLahiri;  ///< the precise engine's
    double ascendant = 0;  ///< the birth's sidereal Ascendant, degrees, for the houses
};

/// The chart's values from a filled birth record: the moment both engines use.
UpagrahaChart ChartOf(const BirthRecord& record, const ChartOptions& options, double ascendant);

/// The day holding the birth and the six in it. Fails only where the Sun does not rise
/// or set around the birth (above the polar circles). Safe to call from several threads.
Result<Upagrahas, NoDay> CalcUpagrahas(const UpagrahaChart& chart,
                                       const UpagrahaOptions& options = {});

}  // namespace tamovid::upagrahas
