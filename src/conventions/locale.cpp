#include "conventions/locale.h"

#include <atomic>

namespace zentaro {
namespace {
std::atomic<char> separator{'.'};
}

char DecimalSeparator()
{
    return separator.load(std::memory_order_relaxed);
}

void SetDecimalSeparator(char value)
{
    separator.store(value, std::memory_order_relaxed);
}

} // namespace zentaro
