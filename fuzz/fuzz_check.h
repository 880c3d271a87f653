#pragma once

// What a fuzz target needs: its checks, and a reader of its bytes.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// A broken property aborts, which both libFuzzer and the replay test report: the
// fault a checker shared with the tests reports, or a condition of the target's own.
inline void FuzzHolds(const std::string& fault)
{
    if (!fault.empty()) {
        std::fprintf(stderr, "property failed: %s\n", fault.c_str());
        std::abort();
    }
}
#define FUZZ_CHECK(condition)                                                                                          \
    FuzzHolds((condition) ? std::string() : std::string(__FILE__ ":") + std::to_string(__LINE__) + ": " #condition)

// Reads the fuzzer's bytes as a few small numbers and then a text; past the end
// every number reads as 0, so every input means something.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // Operands of | are not sequenced: each read is a statement of its own.
    std::uint16_t u16()
    {
        const std::uint16_t low = byte();
        return static_cast<std::uint16_t>(low | byte() << 8);
    }
    std::uint32_t u32()
    {
        const std::uint32_t low = u16();
        return low | static_cast<std::uint32_t>(u16()) << 16;
    }
    std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // Any double, infinities and NaNs included.
    double anyDouble()
    {
        const std::uint64_t low = u32();
        const std::uint64_t bits = low | static_cast<std::uint64_t>(u32()) << 32;
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        return x;
    }
    // A whole number from lowest to highest.
    long long between(long long lowest, long long highest)
    {
        const auto span = static_cast<std::uint64_t>(highest - lowest) + 1;
        return lowest + static_cast<long long>(u32() % span);
    }
    std::string rest()
    {
        std::string text(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
