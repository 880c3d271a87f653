// The long-number procedures on two texts (split at the first line feed): bigadd
// and bigsub against column arithmetic, recipdigits of a number and a digit count
// against long division.
#include "fuzz_check.h"
#include "support/large_number_check.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string first = input.substr(0, split),
                      second = split == std::string::npos ? "" : input.substr(split + 1);
    FuzzHolds(zentaro::testing::CheckSumAndDifference(first, second));
    FuzzHolds(zentaro::testing::CheckReciprocal(first, second));
    return 0;
}
