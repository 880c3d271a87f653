#pragma once

// A checker of a property gives "" when it holds and otherwise the first condition
// that failed, so that a table or random test and a fuzz target drive the same one.

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
