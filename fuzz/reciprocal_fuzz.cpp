// recipdigits of a number and a digit count (split at the first line feed)
// against long division.
#include "fuzz_check.h"
#include "support/large_number_check.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    FuzzHolds(zentaro::testing::CheckReciprocal(input.substr(0, split),
                                                split == std::string::npos ? "" : input.substr(split + 1)));
    return 0;
}
