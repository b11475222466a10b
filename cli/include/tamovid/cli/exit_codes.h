#pragma once

namespace tamovid::cli {

// The usual values of sysexits.h, so scripts can tell a refused chart from a bad call.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 2;   ///< the chart was refused by the form's checks
inline constexpr int kExitUsage = 64;    ///< the command line or a CSV header is wrong
inline constexpr int kExitIoError = 74;  ///< a file could not be read or written

}  // namespace tamovid::cli
