#include "ui/random_window.h"

#include "support/window_test.h"

#include <QStringList>

namespace zentaro::ui {
namespace {

using RandomWindowTest = testing::WindowTest<RandomWindow>;

TEST_F(RandomWindowTest, GeneratesTheFullListIntoAnEditableField)
{
    EXPECT_EQ(window->objectName(), "randfrm");
    EXPECT_EQ(window->windowTitle(), "Random Numbers");
    EXPECT_EQ(text("nrand"), "4095");
    EXPECT_EQ(text("randtext"), "");
    EXPECT_FALSE(area("randtext")->isReadOnly());

    click("randgencmd");
    const QStringList numbers = text("randtext").split(", ");
    ASSERT_EQ(numbers.size(), 4096);
    EXPECT_EQ(numbers.first(), "0");
    EXPECT_EQ(numbers[1], "853");
    QList<int> seen(4096, 0);
    for (const QString& number : numbers) {
        bool ok = false;
        const int x = number.toInt(&ok);
        ASSERT_TRUE(ok) << number.toStdString();
        ASSERT_TRUE(x >= 0 && x < 4096) << x;
        ++seen[x];
    }
    EXPECT_EQ(seen.count(1), 4096);
}

TEST_F(RandomWindowTest, CountsAndTheirLimits)
{
    const struct {
        const char* count;
        const char* list;
    } cases[] = {{"1", "0, 853"}, {"3", "0, 853, 3718, 611"}, {"0", "0"}, {"", "0"}, {"-2", "0"}, {"abc", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        type("nrand", c.count);
        click("randgencmd");
        EXPECT_EQ(text("randtext"), c.list);
        click("randgencmd");
        EXPECT_EQ(text("randtext"), c.list);
    }

    type("nrand", "5000");
    dialogs.message("Only 4095 numbers will be generated!");
    click("randgencmd");
    EXPECT_EQ(text("randtext").split(", ").size(), 4096);
    EXPECT_EQ(text("nrand"), "5000");

    type("nrand", "40000");
    dialogs.runtimeError(6, "Overflow");
    click("randgencmd");
    EXPECT_EQ(text("randtext"), "0");
}

} // namespace
} // namespace zentaro::ui
