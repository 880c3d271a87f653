// The triangle solver in its four modes against the laws of triangles; any other
// numbers fail only with run-time errors.
#include "conventions/runtime_error.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "support/triangle_check.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

double AnyDouble(FuzzInput& input)
{
    const std::uint64_t low = input.u32();
    const std::uint64_t bits = low | static_cast<std::uint64_t>(input.u32()) << 32;
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// Which replies to give in the ambiguous case.
const char* const kReplies[] = {"a1", "a2", "", "A1", " a1"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::uint8_t mode = input.byte();
    const std::string reply = kReplies[input.byte() % 5];

    if (mode >= 128) {
        const double x = AnyDouble(input);
        const double y = AnyDouble(input);
        const double z = AnyDouble(input);
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
