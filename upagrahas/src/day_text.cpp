#include "tamovid/upagrahas/day_text.h"

#include <chrono>
#include <cmath>

#include "tamovid/base/digits.h"
#include "tamovid/birthentry/zone_choice.h"
#include "tamovid/positions/record_text.h"

namespace tamovid::upagrahas {
namespace {

/// The Julian Date of 1 January 1970, 00:00 UT, where the system clock counts from.
constexpr double kUnixEpochJulianDate = 2440587.5;
constexpr double kMillisecondsPerDay = 86400000;
constexpr double kMinutesPerDay = 1440;
constexpr long long kMillisecondsPerSecond = 1000;

using Milliseconds = std::chrono::sys_time<std::chrono::milliseconds>;

Milliseconds ToMilliseconds(double jd) {
    return Milliseconds{
        std::chrono::milliseconds{std::llround((jd - kUnixEpochJulianDate) * kMillisecondsPerDay)}};
}

/// Rounded to the second first, so that a clock time and the UT text agree.
Milliseconds ToSeconds(double jd) {
    const long long ms = ToMilliseconds(jd).time_since_epoch().count();
    const long long seconds =
        (ms >= 0 ? ms + kMillisecondsPerSecond / 2 : ms - kMillisecondsPerSecond / 2 + 1) /
        kMillisecondsPerSecond;
    return Milliseconds{std::chrono::milliseconds{seconds * kMillisecondsPerSecond}};
}

void AppendDate(std::string& text, std::chrono::sys_days day) {
    const std::chrono::year_month_day date{day};
    text += std::to_string(static_cast<int>(date.year()));
    text += '-';
    AppendTwoDigits(text, static_cast<int>(static_cast<unsigned>(date.month())));
    text += '-';
    AppendTwoDigits(text, static_cast<int>(static_cast<unsigned>(date.day())));
}

void AppendClock(std::string& text, Milliseconds moment) {
    using namespace std::chrono;
    const hh_mm_ss<milliseconds> time{moment - floor<days>(moment)};
    AppendTwoDigits(text, static_cast<int>(time.hours().count()));
    text += ':';
    AppendTwoDigits(text, static_cast<int>(time.minutes().count()));
    text += ':';
    AppendTwoDigits(text, static_cast<int>(time.seconds().count()));
}

std::string UtText(Milliseconds moment, bool withMilliseconds) {
    std::string text;
    AppendDate(text, std::chrono::floor<std::chrono::days>(moment));
    text += 'T';
    AppendClock(text, moment);
    if (withMilliseconds) {
        const long long ms = (moment - std::chrono::floor<std::chrono::seconds>(moment)).count();
        text += '.';
        text += static_cast<char>('0' + ms / 100);
        text += static_cast<char>('0' + ms / 10 % 10);
        text += static_cast<char>('0' + ms % 10);
    }
    return text;
}

void AppendLocalClock(std::string& text, double jd, const ClockOffset& clock) {
    AppendClock(text, ToSeconds(jd + clock(jd) / kMinutesPerDay));
}

}  // namespace

ClockOffset RecordClock(const BirthRecord& record) {
    const int offset = RecordOffsetMinutes(record);
    return [offset](double) { return offset; };
}

std::string_view VaraName(const BirthDay& day) {
    return kVaraNames[static_cast<std::size_t>(day.vara)];
}

std::string_view BirthInKey(const BirthDay& day) { return day.nightBirth ? "night" : "day"; }

std::string UtSecondText(double jdUt) { return UtText(ToSeconds(jdUt), false); }
std::string UtMillisecondText(double jdUt) { return UtText(ToMilliseconds(jdUt), true); }

std::string LocalClockText(double jdUt, const ClockOffset& clock) {
    std::string text;
    AppendLocalClock(text, jdUt, clock);
    return text;
}

std::string PortionName(Graha lord) {
    std::string text = lord == Graha::kSun ? "the " : "";
    text += GrahaNameOf(lord);
    text += "'s portion";
    return text;
}

std::string DayLine(const Upagrahas& upagrahas, const ClockOffset& clock) {
    const BirthDay& day = upagrahas.day;
    std::string line(VaraName(day));
    if (day.nightBirth) {
        line += ", a night birth; sunset ";
        AppendLocalClock(line, day.sunset, clock);
        line += ", next sunrise ";
        AppendLocalClock(line, day.nextSunrise, clock);
    } else {
        line += ", a day birth; sunrise ";
        AppendLocalClock(line, day.sunrise, clock);
        line += ", sunset ";
        AppendLocalClock(line, day.sunset, clock);
    }
    line += " (";
    line += SunriseRuleRow(upagrahas.options.sunrise).explanation;
    line += "); ";
    const PortionPoint gulika = upagrahas.options.At(Upagraha::kGulika);
    const PortionPoint mandi = upagrahas.options.At(Upagraha::kMandi);
    if (gulika == mandi) {
        line += "Gulika and Mandi at the ";
        line += PortionPointKeyOf(gulika);
        line += " of Saturn's portion";
    } else {
        line += "Gulika at the ";
        line += PortionPointKeyOf(gulika);
        line += " of Saturn's portion, Mandi at its ";
        line += PortionPointKeyOf(mandi);
    }
    if (upagrahas.options.lords == LordRule::kSeven)
        line += "; the portions under the seven weekday lords";
    line += '.';
    return line;
}

std::string NoDayText(const NoDay& reason, const BirthRecord& record) {
    std::string text = reason.kind == NoDay::Kind::kNoSunset ? "The Sun did not set at "
                                                             : "The Sun did not rise at ";
    text += record.strCity.empty() ? std::string_view("the birth place")
                                   : std::string_view(record.strCity);
    text += " on ";
    text += DateText(record.intDate, record.intMonth, record.intYear);
    return text;
}

}  // namespace tamovid::upagrahas
