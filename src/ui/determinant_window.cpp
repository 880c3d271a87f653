#include "ui/determinant_window.h"

#include "algebra/determinant.h"
#include "conventions/numbers.h"
#include "widgets/handler.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

#include <QLineEdit>

#include <cstddef>
#include <initializer_list>

namespace zentaro::ui {
namespace {

double Read(const QLineEdit* field)
{
    return ParseNumber(widgets::ToUtf8(field->text()));
}

// The fields read in the order given, which is the matrix's reading order.
template <typename Square> Square ReadAll(std::initializer_list<const QLineEdit*> fields)
{
    Square values{};
    std::size_t next = 0;
    for (const QLineEdit* field : fields)
        values[next++] = Read(field);
    return values;
}

void Show(QLineEdit* answer, double value)
{
    answer->setText(widgets::FromUtf8(FormatPlain(value)));
}

} // namespace

DeterminantWindow::DeterminantWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(det22cmd, this, &DeterminantWindow::det22cmd_Click);
    widgets::ConnectClick(det33cmd, this, &DeterminantWindow::det33cmd_Click);
    widgets::ConnectClick(det44cmd, this, &DeterminantWindow::det44cmd_Click);
    widgets::WorkingLogOf(this)->setHint(
        QStringLiteral("Press “=” beside a matrix: the working shows its expansion along the first row."));
}

void DeterminantWindow::det22cmd_Click()
{
    const double bottomRight = Read(y2);
    const double topRight = Read(x2);
    const double bottomLeft = Read(y1);
    const double topLeft = Read(x1);
    Show(ans22, algebra::det2(topLeft, topRight, bottomLeft, bottomRight, widgets::RecordWorking(this)));
}

void DeterminantWindow::det33cmd_Click()
{
    const auto matrix = ReadAll<algebra::Square3>({p1, p2, p3, q1, q2, q3, r1, r2, r3});
    Show(ans33, algebra::det(matrix, widgets::RecordWorking(this)));
}

void DeterminantWindow::det44cmd_Click()
{
    const auto matrix = ReadAll<algebra::Square4>({a1, a2, a3, a4, b1, b2, b3, b4, c1, c2, c3, c4, d1, d2, d3, d4});
    Show(ans44, algebra::delta(matrix, widgets::RecordWorking(this)));
}

} // namespace zentaro::ui
