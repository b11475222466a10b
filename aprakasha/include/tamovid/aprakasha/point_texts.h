#pragma once

#include <array>
#include <string_view>

namespace tamovid {

/// Display names, also the tab captions, by point index.
inline constexpr std::array<std::string_view, 5> kAprNames = {"Dhuma", "Vyatipata", "Parivesha",
                                                              "Chapa", "Upaketu"};

/// The lord is a fixed property of each point, not the lord of the sign it occupies.
inline constexpr std::array<std::string_view, 5> kAprLords = {"Mars", "Rahu", "Moon", "Venus",
                                                              "Ketu"};

inline constexpr std::array<std::string_view, 5> kAprDescriptions = {
    "Dhuma means smoke or meteor. This indicates the violence that we can cause to others. "
    "This indicates a point where there is maximum pressure. This is malefic.",
    "This is similar to Rahu and causes a lot of confusion.",
    "This causes a lot of destruction to family life and is similar to the negative effects of "
    "Moon.",
    "This is akin with anger and bad temperament.",
    "This is similar to negative Ketu and causes a lot of destruction.",
};

}  // namespace tamovid
