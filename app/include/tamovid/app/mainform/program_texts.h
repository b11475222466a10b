#pragma once

#include <string_view>

#include "tamovid/render/qt_text.h"

namespace tamovid {

/// What the points are: under the input form, and in the about box after its opening line.
inline constexpr std::string_view kGrahasDescription =
    "Aparaksha Grahas are known as non-luminous planets. They are malefic by nature and cause "
    "distress, pain and suffering. Knowing your Apraksha Grahas can prepare you for the worst.";

/// The branding offer; the main window's strip adds kMoreDetails after it.
inline constexpr std::string_view kBrandingOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website.";
inline constexpr std::string_view kMoreDetails = "Click here for more details.";

}  // namespace tamovid
