#include "tamovid/positions/angles.h"

#include <cmath>

namespace tamovid {

double ArcTan2(double y, double x) {
    if (x > 0) return std::atan(y / x);
    if (x == 0) {
        if (y == 0) return 0;
        return y > 0 ? kPi / 2 : -kPi / 2;
    }
    const double angle = kPi - std::atan(std::fabs(y / x));
    return y < 0 ? -angle : angle;
}

double ReduceRadians(double x) {
    const double q = x / kTwoPi;
    const double w = q - std::trunc(q);
    double r = w * kTwoPi;
    if (r < 0) r += kTwoPi;
    return r;
}

}  // namespace tamovid
