#pragma once

#include <QString>
#include <string_view>

namespace tamovid {

/// A UTF-8 text of the engine as a QString.
inline QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tamovid
