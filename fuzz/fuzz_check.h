#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A broken property aborts, which both libFuzzer and the replay test report.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);                      \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// The fault a checker shared with the tests reports aborts too.
inline void FuzzHolds(const std::string& fault)
{
    if (!fault.empty()) {
        std::fprintf(stderr, "property failed: %s\n", fault.c_str());
        std::abort();
    }
}
