#pragma once

#include <string>
#include <string_view>

namespace tamovid::precise {

/// Where a chart's positions came from: the ephemeris data files (JPL precision for
/// 1800-2400) or, without them, the library's built-in analytic ephemeris.
enum class EphemerisSource { kDataFiles, kAnalytic };

/// "files" or "analytic", as readings name the ephemeris.
std::string_view EphemerisKey(EphemerisSource source);

/// The first of the installed data folders (the Debian package's, then a local one)
/// that holds the planetary file, or empty when there is none. SE_EPHE_PATH, when set,
/// is taken as it is.
std::string InstalledEphemerisFolder();

/// The data folder charts use from now on, on every thread; empty for the analytic
/// ephemeris. Until this is called, InstalledEphemerisFolder() is used. A folder
/// without the files, or with a path of 256 characters or more, gives the analytic one.
void UseEphemerisFolder(std::string folder);

/// The data folder charts use now (empty: the analytic ephemeris).
std::string EphemerisFolderInUse();

}  // namespace tamovid::precise
