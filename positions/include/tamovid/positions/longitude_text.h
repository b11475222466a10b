#pragma once

#include <string>
#include <string_view>

namespace tamovid {

/// One step toward 0..360 in each direction: -10 -> 350, 370 -> 10, 360 stays, -370 -> -10.
double Norm360(double x);

/// Long form of |x| degrees: degrees within the sign, "° ", minutes, "' ", seconds,
/// a double quote, a blank and the sign abbreviation ("15° 30' 0\" Tau" for 45.5).
/// Minutes and seconds are truncated, never rounded.
std::string FormatLongitude(double x);

/// Compact nine-character form of a long-form text: "15 Tau 30".
std::string ToSignFirst(std::string_view longForm);

}  // namespace tamovid
