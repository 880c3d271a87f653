// The calendar procedures against the standard library's calendar, on typed dates
// with parts in and out of range, day and month numbers, shifts and free text.
#include "fuzz_check.h"
#include "support/calendar_check.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zentaro::testing;
    FuzzInput input(data, size);
    const std::uint8_t mode = input.byte();
    if (mode % 4 == 3) {
        const std::string rest = input.rest();
        const std::size_t split = rest.find('\n');
        FuzzHolds(CheckFreeText(rest.substr(0, split), split == std::string::npos ? "" : rest.substr(split + 1)));
        return 0;
    }

    // Any day and month that fit two characters, any year that fits four.
    const long long d = input.between(-9, 99);
    const long long m = input.between(-9, 99);
    const long long y = mode % 4 == 0 ? input.between(1, 9999) : input.between(-999, 9999);
    FuzzHolds(CheckTypedDate(d, m, y));
    // Each read is a statement of its own: operands and arguments are not sequenced.
    const long long wideDay = input.i32();
    FuzzHolds(CheckDayNumber(wideDay / (input.byte() % 2 == 0 ? 1 : 4096)));
    FuzzHolds(CheckMonthNumber(input.i32() / 1024));

    using std::chrono::day, std::chrono::month, std::chrono::year;
    if (y < 1 || m < 1 || m > 12 || d < 1)
        return 0;
    const std::chrono::year_month_day date{year{static_cast<int>(y)}, month{static_cast<unsigned>(m)},
                                           day{static_cast<unsigned>(d)}};
    if (date.ok()) {
        const long long wideDays = input.i32();
        const long long days = wideDays / (input.byte() % 2 == 0 ? 1 : 65536);
        const double half = input.byte() % 4 == 0 ? 0.5 : 0;
        const long long wideMonths = input.i32();
        FuzzHolds(CheckShifts(date, static_cast<double>(days) + half, wideMonths / (input.byte() % 2 == 0 ? 1 : 1024)));
        const long long otherDay = input.between(1, 28);
        const long long otherMonth = input.between(1, 12);
        const std::chrono::year_month_day other{year{static_cast<int>(input.between(1, 9999))},
                                                month{static_cast<unsigned>(otherMonth)},
                                                day{static_cast<unsigned>(otherDay)}};
        FuzzHolds(CheckDifference(date, other));
    }
    return 0;
}
