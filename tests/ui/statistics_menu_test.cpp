#include "shell/calculator_catalogue.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace zentaro::shell {
namespace {

TEST(StatisticsMenu, ButtonsMakeTheirWindows)
{
    const struct {
        const char* button;
        const char* form;
    } cases[] = {{"statscmd", "statisticsfrm"}, {"regressioncmd", "regrnfrm"}, {"phyconstcmd", "phyconstfrm"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        const CalculatorEntry* entry = nullptr;
        for (const CalculatorEntry& e : Calculators()) {
            if (e.button == c.button)
                entry = &e;
        }
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->formName, c.form);
        ASSERT_NE(entry->make, nullptr);
        const std::unique_ptr<QWidget> window(entry->make());
        EXPECT_EQ(window->objectName(), c.form);
    }
}

} // namespace
} // namespace zentaro::shell
