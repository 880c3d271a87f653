#pragma once

#include "conventions/runtime_error.h"

#include <optional>

namespace zentaro::fractions {

// The run-time error a call raises, or nothing when it returns.
template <typename Call> std::optional<ErrorCode> ErrorOf(Call&& call)
{
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.code();
    }
    return std::nullopt;
}

} // namespace zentaro::fractions
