#pragma once

// A checker of a property gives "" when it holds and otherwise the first condition
// that failed, so that a table or random test and a fuzz target drive the same one.

#include "conventions/runtime_error.h"

#include <string>

#define PROPERTY(condition)                                                                                            \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            return std::string(__FILE__ ":") + std::to_string(__LINE__) + ": " #condition;                             \
    } while (false)

// Checks a property that is itself a checker.
#define PROPERTY_HOLDS(check)                                                                                          \
    do {                                                                                                               \
        if (std::string fault = (check); !fault.empty())                                                               \
            return fault;                                                                                              \
    } while (false)

namespace zentaro::testing {

// The code of the run-time error `call` raises, or none.
template <typename F> ErrorCode Failure(F&& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    return ErrorCode{};
}

} // namespace zentaro::testing
