#include "ui/linear_system_window.h"

#include "algebra/linear_system.h"
#include "conventions/numbers.h"
#include "widgets/handler.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/window_text.h"
#include "widgets/working_log.h"

#include <QLineEdit>

#include <array>
#include <cstddef>

namespace zentaro::ui {
namespace {

double Read(const QLineEdit* field)
{
    return ParseNumber(widgets::ToUtf8(field->text()));
}

// One column of a system: a coefficient, or the right-hand side, of every equation.
template <std::size_t N> std::array<double, N> ReadColumn(const std::array<const QLineEdit*, N>& fields)
{
    std::array<double, N> values{};
    for (std::size_t row = 0; row < N; ++row)
        values[row] = Read(fields[row]);
    return values;
}

} // namespace

LinearSystemWindow::LinearSystemWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::MakeAnswersSelectable(this, {xyans, xyzans, xyzuans});
    widgets::ConnectClick(computexy, this, &LinearSystemWindow::computexy_Click);
    widgets::ConnectClick(computexyz, this, &LinearSystemWindow::computexyz_Click);
    widgets::ConnectClick(computexyzu, this, &LinearSystemWindow::computexyzu_Click);
    widgets::WorkingLogOf(this)->setHint(
        QStringLiteral("Press a “Compute” button: the working shows the system solved by Cramer's rule."));
}

void LinearSystemWindow::computexy_Click()
{
    xyans->clear();
    const double vx1 = Read(x1);
    const double vx2 = Read(x2);
    const double vy1 = Read(y1);
    const double vy2 = Read(y2);
    const double vz1 = Read(z1);
    const double vz2 = Read(z2);
    xyans->setText(widgets::FromUtf8(algebra::cramer2(vx1, vy1, vz1, vx2, vy2, vz2, widgets::RecordWorking(this))));
}

void LinearSystemWindow::computexyz_Click()
{
    xyzans->clear();
    // Read column by column; the matrix holds one equation per row.
    const auto p = ReadColumn<3>({p1, p2, p3});
    const auto q = ReadColumn<3>({q1, q2, q3});
    const auto r = ReadColumn<3>({r1, r2, r3});
    const auto s = ReadColumn<3>({s1, s2, s3});
    const algebra::Square3 coefficients = {p[0], q[0], r[0], p[1], q[1], r[1], p[2], q[2], r[2]};
    xyzans->setText(widgets::FromUtf8(algebra::cramer3(coefficients, s, widgets::RecordWorking(this))));
}

void LinearSystemWindow::computexyzu_Click()
{
    xyzuans->clear();
    const auto a = ReadColumn<4>({a1, a2, a3, a4});
    const auto b = ReadColumn<4>({b1, b2, b3, b4});
    const auto c = ReadColumn<4>({c1, c2, c3, c4});
    const auto d = ReadColumn<4>({d1, d2, d3, d4});
    const auto e = ReadColumn<4>({e1, e2, e3, e4});
    const algebra::Square4 coefficients = {a[0], b[0], c[0], d[0], a[1], b[1], c[1], d[1],
                                           a[2], b[2], c[2], d[2], a[3], b[3], c[3], d[3]};
    xyzuans->setText(widgets::FromUtf8(algebra::cramer4(coefficients, e, widgets::RecordWorking(this))));
}

} // namespace zentaro::ui
