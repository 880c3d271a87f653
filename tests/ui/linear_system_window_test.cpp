#include "ui/linear_system_window.h"

#include "algebra/case_file.h"
#include "shell/calculator_catalogue.h"
#include "support/window_test.h"

#include <QLabel>

namespace zentaro::ui {
namespace {

using LinearSystemWindowTest = testing::WindowTest<LinearSystemWindow>;

TEST_F(LinearSystemWindowTest, CaseTableInTheFrames)
{
    EXPECT_EQ(window->objectName() + " | " + window->windowTitle(), "eqsolvefrm | Simlutaneous Equations Solver");
    const char* const tips[][2] = {{"computexyzu", "Click here to compute the unique solution for the above equations"},
                                   {"r2", "Coefficient of z"},
                                   {"c4", "Coefficient of z"},
                                   {"d1", "Coefficient of u"}};
    for (const auto& t : tips)
        EXPECT_EQ(window->findChild<QWidget*>(t[0])->toolTip(), t[1]);
    const struct {
        const char *letters, *button, *answer, *initial;
    } sizes[] = {{"xyz", "computexy", "xyans", "x=; y="},
                 {"pqrs", "computexyz", "xyzans", "x=; y=; z="},
                 {"abcde", "computexyzu", "xyzuans", "x=; y=; z=; u="}};
    for (const auto& s : sizes)
        EXPECT_EQ(testing::Find<QLabel>(window.get(), s.answer)->text(), s.initial);

    for (const auto& c : algebra::testing::ReadCases("linear.txt")) {
        SCOPED_TRACE(c.where);
        const std::size_t n = std::stoul(c.inputs[0]);
        const auto& s = sizes[n - 2];
        for (std::size_t k = 0; k + 1 < c.inputs.size(); ++k) {
            const QByteArray name = QByteArray(1, s.letters[k % (n + 1)]) + QByteArray::number(int(k / (n + 1)) + 1);
            type(name.constData(), QString::fromStdString(c.inputs[k + 1]));
        }
        if (c.expected == "Overflow")
            dialogs.runtimeError(6, "Overflow");
        click(s.button);
        EXPECT_EQ(testing::Find<QLabel>(window.get(), s.answer)->text(),
                  c.expected == "Overflow" ? "" : QString::fromStdString(c.expected));
    }
}

TEST(AlgebraMenu, EachButtonMakesItsWindow)
{
    const char* const rows[][2] = {{"Detcmd", "detfrm"}, {"lineqcmd", "eqsolvefrm"}, {"quadcmd", "quadcubfrm"}};
    for (const auto& row : rows) {
        const auto& table = shell::Calculators();
        const auto entry = std::find_if(table.begin(), table.end(), [&](const auto& e) { return e.button == row[0]; });
        ASSERT_TRUE(entry != table.end() && entry->make != nullptr) << row[0];
        const std::unique_ptr<QWidget> made(entry->make());
        EXPECT_EQ(entry->formName + " " + made->objectName(), QString(row[1]) + " " + row[1]);
    }
}

} // namespace
} // namespace zentaro::ui
