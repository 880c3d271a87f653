#pragma once

#include "conventions/runtime_error.h"

#include <optional>

namespace zentaro::dates {

// The run-time error a call raises, or nullopt when it returns.
template <typename Call> std::optional<ErrorCode> ErrorOf(Call call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    return std::nullopt;
}

} // namespace zentaro::dates
