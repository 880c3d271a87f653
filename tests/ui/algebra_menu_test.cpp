#include "shell/calculator_catalogue.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace zentaro::shell {
namespace {

TEST(AlgebraMenu, EachButtonMakesItsWindow)
{
    const struct {
        const char *button, *form, *title;
    } rows[] = {
        {"Detcmd", "detfrm", "Determinants"},
        {"lineqcmd", "eqsolvefrm", "Simlutaneous Equations Solver"},
        {"quadcmd", "quadcubfrm", "Quadratic Equation Solver"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.button);
        const CalculatorEntry* entry = nullptr;
        for (const CalculatorEntry& e : Calculators()) {
            if (e.button == row.button)
                entry = &e;
        }
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->formName, row.form);
        ASSERT_NE(entry->make, nullptr);
        const std::unique_ptr<QWidget> window(entry->make());
        EXPECT_EQ(window->objectName(), row.form);
        EXPECT_EQ(window->windowTitle(), row.title);
    }
}

} // namespace
} // namespace zentaro::shell
