#include "conventions/runtime_error.h"

namespace zentaro {

std::string_view ErrorText(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidCall:
        return "Invalid procedure call or argument";
    case ErrorCode::Overflow:
        return "Overflow";
    case ErrorCode::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorCode::DivisionByZero:
        return "Division by zero";
    case ErrorCode::TypeMismatch:
        return "Type mismatch";
    }
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(ErrorCode code) : std::runtime_error(std::string(ErrorText(code))), code_(code) {}

void Raise(ErrorCode code)
{
    throw RuntimeError(code);
}

} // namespace zentaro
