#pragma once

#include <string>

namespace tamovid::atlas {

/// Why the atlas or a time zone cannot be used.
struct AtlasError {
    std::string message;  ///< an English sentence for the user
};

}  // namespace tamovid::atlas
