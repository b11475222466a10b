#pragma once

#include <optional>

#include "tamovid/base/result.h"

namespace tamovid::testing_support {

/// The error a result holds, or nothing after a success: one value to compare and to
/// print, whichever way the operation went.
template <typename T, typename E>
std::optional<E> ErrorOf(const Result<T, E>& result) {
    if (result.ok()) return std::nullopt;
    return result.error();
}

}  // namespace tamovid::testing_support
