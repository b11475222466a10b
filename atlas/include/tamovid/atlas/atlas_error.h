#pragma once

#include <string>

namespace tamovid::atlas {

/// Why the atlas or a time zone cannot be used.
struct AtlasError {
    std::string message;  ///< an English sentence for the user
    /// A file that is there, or should be, could not be read (missing database, damaged or
    /// unreadable zone file), as against a name refused.
    bool unreadable = false;
};

}  // namespace tamovid::atlas
