// The triangle solver in its four modes against the laws of triangles; any other
// numbers fail only with run-time errors.
#include "conventions/runtime_error.h"
#include "fuzz_check.h"
#include "support/triangle_check.h"

#include <cstdint>
#include <string>

// Which replies to give in the ambiguous case.
const char* const kReplies[] = {"a1", "a2", "", "A1", " a1"};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.byte();
    const std::string reply = kReplies[input.byte() % 5];

    if (mode >= 128) {
        // Each declarator is sequenced before the next.
        const double x = input.anyDouble(), y = input.anyDouble(), z = input.anyDouble();
        try {
            zentaro::geometry::solveasa(x, y, z);
            zentaro::geometry::solvesas(x, y, z);
            zentaro::geometry::solvesss(x, y, z);
            zentaro::geometry::solvessa(x, y, z, [&](double, double) { return reply; });
            zentaro::geometry::trimeasures(x, y, z);
        } catch (const zentaro::RuntimeError&) {
        }
        return 0;
    }
    long long parts[3];
    for (int i = 0; i < 3; ++i)
        parts[i] = zentaro::testing::IsAngle(mode % 4, i) ? input.between(1, 359999) : input.between(1, 100000);
    FuzzHolds(zentaro::testing::CheckTriangle(mode % 4, parts, reply));
    return 0;
}
