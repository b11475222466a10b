#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tamovid::upagrahas {

/// The six points that rise with the portions of the day and the night, in the order
/// every listing of them uses.
enum class Upagraha { kKala, kMrityu, kArdhaprahara, kYamaghantaka, kGulika, kMandi };
inline constexpr std::size_t kUpagrahaCount = 6;

struct UpagrahaName {
    Upagraha upagraha;
    std::string_view name;   ///< "Gulika"
    std::string_view label;  ///< two letters for a chart, "Gk"
};

inline constexpr std::array<UpagrahaName, kUpagrahaCount> kUpagrahaNames{{
    {Upagraha::kKala, "Kala", "Kl"},
    {Upagraha::kMrityu, "Mrityu", "Mr"},
    {Upagraha::kArdhaprahara, "Ardhaprahara", "Ap"},
    {Upagraha::kYamaghantaka, "Yamaghantaka", "Yg"},
    {Upagraha::kGulika, "Gulika", "Gk"},
    {Upagraha::kMandi, "Mandi", "Md"},
}};

constexpr std::size_t UpagrahaIndex(Upagraha u) { return static_cast<std::size_t>(u); }
constexpr std::string_view UpagrahaNameOf(Upagraha u) {
    return kUpagrahaNames[UpagrahaIndex(u)].name;
}

/// What sunrise is.
enum class SunriseRule {
    kHindu,     ///< the disc's centre on the geometric horizon, no refraction (the default)
    kApparent,  ///< the disc's centre 50' below it: 34' of refraction, 16' of semi-diameter
};

/// Who rules the eight portions of the day and of the night.
enum class LordRule {
    kEight,  ///< eight slots, the seven weekday lords then one without (the default)
    kSeven,  ///< the seven weekday lords over the first seven portions; the eighth has none
};

/// Where in its lord's portion a point rises.
enum class PortionPoint { kStart, kMiddle, kEnd };

struct SunriseRuleKey {
    SunriseRule rule;
    std::string_view key;   ///< for options, files and JSON: "hindu"
    std::string_view name;  ///< for menus: "Hindu"
    std::string_view
        explanation;        ///< for readings: "Hindu sunrise: the disc's centre, no refraction"
    double horizonDegrees;  ///< the height of the disc's centre at sunrise
};

inline constexpr double kApparentHorizonDegrees = -50.0 / 60;  // 34' refraction + 16' semi-diameter

inline constexpr std::array<SunriseRuleKey, 2> kSunriseRuleKeys{{
    {SunriseRule::kHindu, "hindu", "Hindu", "Hindu sunrise: the disc's centre, no refraction", 0},
    {SunriseRule::kApparent, "apparent", "Almanac",
     "Almanac sunrise: the disc's centre 50\xE2\x80\xB2 below the horizon",
     kApparentHorizonDegrees},
}};

struct LordRuleKey {
    LordRule rule;
    std::string_view key;   ///< "eight"
    std::string_view name;  ///< "eight slots"
};

inline constexpr std::array<LordRuleKey, 2> kLordRuleKeys{{
    {LordRule::kEight, "eight", "eight slots"},
    {LordRule::kSeven, "seven", "seven lords"},
}};

struct PortionPointKey {
    PortionPoint point;
    std::string_view key;  ///< "start", also the word readings use
};

inline constexpr std::array<PortionPointKey, 3> kPortionPointKeys{{
    {PortionPoint::kStart, "start"},
    {PortionPoint::kMiddle, "middle"},
    {PortionPoint::kEnd, "end"},
}};

/// The choices that place the six.
struct UpagrahaOptions {
    SunriseRule sunrise = SunriseRule::kHindu;
    LordRule lords = LordRule::kEight;
    /// Where each rises, in Upagraha order: Gulika at the start, all others at the middle.
    std::array<PortionPoint, kUpagrahaCount> at{PortionPoint::kMiddle, PortionPoint::kMiddle,
                                                PortionPoint::kMiddle, PortionPoint::kMiddle,
                                                PortionPoint::kStart,  PortionPoint::kMiddle};

    PortionPoint At(Upagraha u) const { return at[UpagrahaIndex(u)]; }
    friend bool operator==(const UpagrahaOptions&, const UpagrahaOptions&) = default;
};

std::string_view SunriseRuleKeyOf(SunriseRule rule);
std::string_view LordRuleKeyOf(LordRule rule);
std::string_view PortionPointKeyOf(PortionPoint point);
const SunriseRuleKey& SunriseRuleRow(SunriseRule rule);

/// Each of these reads its table's key in any case; nothing for an unknown text.
std::optional<SunriseRule> ParseSunriseRule(std::string_view text);
std::optional<LordRule> ParseLordRule(std::string_view text);
std::optional<PortionPoint> ParsePortionPoint(std::string_view text);
/// One of the six by its name, in any case: "gulika", "MANDI".
std::optional<Upagraha> ParseUpagraha(std::string_view text);

/// Sets one point's place from "NAME=start|middle|end" (name and key in any case);
/// false, and nothing changed, for any other text.
bool SetPointFromText(UpagrahaOptions& options, std::string_view text);

/// "Gulika=start": the text SetPointFromText reads back.
std::string PointText(Upagraha u, PortionPoint point);

}  // namespace tamovid::upagrahas
