#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QSettings;

namespace tamovid {

/// A settings file larger than this is not read: the program keeps one short value in
/// it, and parsing a huge file would hold up start-up and fill memory.
inline constexpr std::int64_t kMaxSettingsFileBytes = 1024 * 1024;

/// The per-user settings file at `path`, or null when it is too large or is not a
/// regular file (a folder, a device); then nothing is read from it or stored in it.
std::unique_ptr<QSettings> OpenSettingsFile(const QString& path);

/// Where the per-user settings live.
QString DefaultSettingsPath();

}  // namespace tamovid
