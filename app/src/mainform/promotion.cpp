#include "tamovid/app/mainform/promotion.h"

#include <cmath>

namespace tamovid {

Promotion PromotionForRandom(double r) {
    // std::nearbyint in the default rounding mode sends halves to the even neighbour.
    const double n = std::nearbyint(6.0 * r + 1.0);
    if (!(n >= 1.0 && n <= 6.0)) {
        return Promotion::kUnchanged;
    }
    return static_cast<int>(n) % 2 == 0 ? Promotion::kFullBrand : Promotion::kCobrand;
}

}  // namespace tamovid
