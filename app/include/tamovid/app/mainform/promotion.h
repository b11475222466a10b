#pragma once

namespace tamovid {

/// Which label of the promotional strip start-up brings to the front.
enum class Promotion { kFullBrand, kCobrand, kUnchanged };

/// Chooses from a uniform random number r in [0, 1): n is 6r + 1 rounded to the
/// nearest whole number (halves to even); 2, 4, 6 pick the branding offer, 1, 3, 5
/// the co-branding offer, 7 leaves the strip as it is.
Promotion PromotionForRandom(double r);

}  // namespace tamovid
