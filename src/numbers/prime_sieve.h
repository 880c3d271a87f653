#pragma once

#include <cstdint>
#include <vector>

// A segmented sieve of Eratosthenes over the 32-bit range, one window at a time.
namespace zentaro::numbers::primes {

// The widest window: 2^19 numbers, whose odd numbers take one bit each, 32 KiB,
// which stays in the first-level cache while the sieving primes cross it.
inline constexpr std::uint32_t kSieveWindow = std::uint32_t{1} << 19;

class SegmentedSieve {
public:
    SegmentedSieve();

    // How many primes lie in [low, high], and which. The window may be up to
    // kSieveWindow numbers wide and lie anywhere in 0 .. 2^32 - 1.
    std::uint32_t count(std::uint32_t low, std::uint32_t high);
    void primes(std::uint32_t low, std::uint32_t high, std::vector<std::uint32_t>& out);

private:
    // Sieves the odd numbers of [low, high] into bits_; the first bit stands for
    // the first odd number from low. Gives the number of bits.
    std::uint32_t sieve(std::uint32_t low, std::uint32_t high);

    std::vector<std::uint64_t> bits_;
};

} // namespace zentaro::numbers::primes
