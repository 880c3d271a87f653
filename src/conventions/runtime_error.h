#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace zentaro {

// The numbered run-time errors a computation can raise; the numbers are what the
// user sees in the report ("Run-time error '6':").
enum class ErrorCode : int {
    InvalidCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

std::string_view ErrorText(ErrorCode code);

// Stops the handler it is thrown from; one dispatcher per window reports it.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorCode code);

    ErrorCode code() const { return code_; }
    int number() const { return static_cast<int>(code_); }

private:
    ErrorCode code_;
};

[[noreturn]] void Raise(ErrorCode code);

} // namespace zentaro
