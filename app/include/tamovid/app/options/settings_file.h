#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

class QSettings;

namespace tamovid {

/// A settings file larger than this is not read: the program keeps a few short values in
/// it, and parsing a huge file would hold up start-up and fill memory.
inline constexpr std::int64_t kMaxSettingsFileBytes = 1024 * 1024;

/// The per-user settings file at `path`, or null when it is too large or is not a
/// regular file (a folder, a device); then nothing is read from it or stored in it.
std::unique_ptr<QSettings> OpenSettingsFile(const QString& path);

/// Where the per-user settings live.
QString DefaultSettingsPath();

/// What the program keeps between runs.
enum class Setting {
    kReminderDate,    ///< the day of the last update reminder
    kEngine,          ///< the engine that calculates
    kChartStyle,      ///< the chart window's drawing
    kAyanamsa,        ///< the precise engine's ayanamsa
    kNode,            ///< mean or true node
    kSunrise,         ///< what sunrise is, for the time-based upagrahas
    kPortionLords,    ///< who rules the eight portions of the day and the night
    kUpagrahaPoints,  ///< where in its portion each of the six rises
    kDashaYear,       ///< the year the dasha periods are counted in
    kAllUpagrahas,    ///< whether the chart draws all six time-based upagrahas, or Gk and Md
};

struct SettingKey {
    Setting setting;
    std::string_view group;
    std::string_view name;
    /// Stored through the text shift, as the first releases wrote it.
    bool shifted;
};

/// Every key of the settings file, spelt as stored files hold them: never change one.
inline constexpr std::array kSettingKeys = {
    SettingKey{Setting::kReminderDate, "Settings", "Duration", true},
    SettingKey{Setting::kEngine, "Settings", "Engine", false},
    SettingKey{Setting::kChartStyle, "Chart", "Style", false},
    SettingKey{Setting::kAyanamsa, "Settings", "Ayanamsa", false},
    SettingKey{Setting::kNode, "Settings", "Node", false},
    SettingKey{Setting::kSunrise, "Settings", "Sunrise", false},
    SettingKey{Setting::kPortionLords, "Settings", "PortionLords", false},
    SettingKey{Setting::kUpagrahaPoints, "Settings", "UpagrahaPoints", false},
    SettingKey{Setting::kDashaYear, "Settings", "DashaYear", false},
    SettingKey{Setting::kAllUpagrahas, "Chart", "AllUpagrahas", false},
};

/// The key a setting is read and written under: "group/name", the name shifted where
/// the table says so.
QString SettingsKey(Setting setting);

/// A text as the settings file holds a shifted one.
QString ShiftedSettingText(std::string_view plain);

}  // namespace tamovid
