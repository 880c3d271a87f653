#include "dates/date_questions.h"

#include "dates/date_text.h"
#include "error_of.h"

#include <gtest/gtest.h>

#include <string>

namespace zentaro::dates {
namespace {

TEST(DateQuestions, Differences)
{
    const struct {
        const char* first;
        const char* second;
        const char* days;
        const char* months;
        const char* years;
    } cases[] = {
        {"05/12/2026", "01/01/2000", "9835", "323", "26"},
        {"01/01/2000", "05/12/2026", "-9835", "-323", "-26"},
        {"05/12/2026", "05/12/2026", "0", "0", "0"},
        {"31/01/2003", "01/02/2003", "-1", "-1", "0"},
        {"01/01/1700", "31/12/1699", "1", "1", "1"},
        {"dd/mm/yyyy", "01/01/2000", "-109573", "-3601", "-2000"},
        {"01/01/0001", "31/12/9999", "-3652058", "-119987", "-9998"},
        {"ab/cd/efgh", "dd/mm/yyyy", "0", "0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " - " + c.second);
        EXPECT_EQ(DateDifference(c.first, c.second, Unit::Days), c.days);
        EXPECT_EQ(DateDifference(c.first, c.second, Unit::Months), c.months);
        EXPECT_EQ(DateDifference(c.first, c.second, Unit::Years), c.years);
    }
}

TEST(DateQuestions, Shifts)
{
    const struct {
        const char* date;
        const char* amount;
        Unit unit;
        Direction direction;
        const char* result;
    } cases[] = {
        {"28/02/2000", "1", Unit::Days, Direction::Forward, " 29/ 2/ 2000"},
        {"28/02/2003", "1", Unit::Days, Direction::Forward, " 1/ 3/ 2003"},
        {"01/01/1700", "1", Unit::Days, Direction::Back, " 31/ 12/ 1699"},
        {"05/12/2026", "2.5", Unit::Days, Direction::Forward, " 7/ 12/ 2026"}, // 119410.5 to even
        {"05/12/2026", "3.5", Unit::Days, Direction::Forward, " 9/ 12/ 2026"}, // 119411.5 to even
        {"05/12/2026", "-1", Unit::Days, Direction::Back, " 6/ 12/ 2026"},
        {"05/12/2026", " 30 ", Unit::Days, Direction::Back, " 5/ 11/ 2026"},
        {"dd/mm/yyyy", "0", Unit::Days, Direction::Forward, " 31/ 12/ 1699"},
        {"31/02/2003", "0", Unit::Days, Direction::Forward, " 3/ 3/ 2003"},
        {"02/01/0001", "1", Unit::Days, Direction::Back, " 1/ 1/ 1"},
        {"31/01/2003", "1", Unit::Months, Direction::Forward, "31/ 2/ 2003"},
        {"15/01/2003", "2", Unit::Months, Direction::Forward, "15/ 3/ 2003"},
        {"15/03/2003", "3", Unit::Months, Direction::Back, "15/ 12/ 2002"},
        {"15/01/2003", "2.5", Unit::Months, Direction::Back, "15/ 10/ 2002"}, // 3634.5 to even
        {"15/01/1700", "1", Unit::Months, Direction::Back, "15/ 12/ 1699"},
        {"5/01/2003", "1", Unit::Months, Direction::Forward, "5// 2/ 2003"},
        {"dd/mm/yyyy", "0", Unit::Months, Direction::Forward, "dd/ 12/ 1699"},
        {"15/01/2003", "2", Unit::Years, Direction::Forward, " 15/ 1/ 2005"},
        {"15/01/2003", "2.5", Unit::Years, Direction::Forward, " 15/ 1/ 2005.5"},
        {"15/01/2003", "2004", Unit::Years, Direction::Back, " 15/ 1/-1"},
        {"29/02/2000", "1", Unit::Years, Direction::Forward, " 29/ 2/ 2001"},
        {"dd/mm/yyyy", "1", Unit::Years, Direction::Forward, " 0/ 0/ 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date << (c.direction == Direction::Forward ? " + " : " - ") << c.amount
                                        << " unit " << static_cast<int>(c.unit));
        EXPECT_EQ(ShiftedDate(c.date, c.amount, c.unit, c.direction), c.result);
    }
}

TEST(DateQuestions, ShiftFailures)
{
    const struct {
        const char* date;
        const char* amount;
        Unit unit;
        Direction direction;
        ErrorCode error;
    } cases[] = {
        {"05/12/2026", "xxxxx", Unit::Days, Direction::Forward, ErrorCode::TypeMismatch},
        {"05/12/2026", "", Unit::Months, Direction::Back, ErrorCode::TypeMismatch},
        {"05/12/2026", "3 days", Unit::Years, Direction::Forward, ErrorCode::TypeMismatch},
        {"01/01/0001", "1", Unit::Days, Direction::Back, ErrorCode::Overflow},
        {"15/01/0001", "1", Unit::Months, Direction::Back, ErrorCode::Overflow},
        {"05/12/2026", "1E10", Unit::Days, Direction::Forward, ErrorCode::Overflow},
        {"05/12/2026", "2147483647", Unit::Months, Direction::Forward, ErrorCode::Overflow},
        {"05/12/2026", "20000000", Unit::Days, Direction::Forward, ErrorCode::Overflow}, // past year 32767
        {"05/12/1E20", "1", Unit::Days, Direction::Forward, ErrorCode::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date << " " << c.amount);
        EXPECT_EQ(ErrorOf([&] { ShiftedDate(c.date, c.amount, c.unit, c.direction); }), c.error);
    }
}

TEST(DateQuestions, WeekdayNames)
{
    const struct {
        const char* date;
        const char* name;
    } cases[] = {
        {"05/12/2026", "Saturday"},  {"01/01/2000", "Saturday"}, {"dd/mm/yyyy", "Sunday"},
        {"01/01/1800", "Wednesday"}, {"01/01/0001", "Monday"},   {"29/02/2000", "Tuesday"},
        {"ab/cd/efgh", "Sunday"},    {"08/06/2026", "Monday"},   {"14/01/2027", "Thursday"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(WeekdayOf(c.date), c.name);
    }
    EXPECT_EQ(WeekdayName(7), "");
    const struct {
        const char* date;
        ErrorCode error;
    } failures[] = {
        {"01/13/2003", ErrorCode::SubscriptOutOfRange},
        {"01/-1/2003", ErrorCode::SubscriptOutOfRange},
        {"-6/03/2000", ErrorCode::SubscriptOutOfRange}, // the weekday comes out as -4
        {"01/01/1E20", ErrorCode::Overflow},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(c.date);
        EXPECT_EQ(ErrorOf([&] { WeekdayOf(c.date); }), c.error);
    }
}

} // namespace
} // namespace zentaro::dates
