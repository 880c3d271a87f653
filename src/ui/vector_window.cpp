#include "ui/vector_window.h"

#include "conventions/numbers.h"
#include "geometry/vectors.h"
#include "widgets/handler.h"
#include "widgets/qt_text.h"
#include "widgets/symbol_glyphs.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

namespace zentaro::ui {
namespace {

double Read(const QLineEdit* field)
{
    return ParseNumber(widgets::ToUtf8(field->text()));
}

} // namespace

VectorWindow::VectorWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    // These captions were drawn in a symbol font: theta and the two arrows.
    Label14->setText(widgets::SymbolGlyphs(Label14->text()));
    compute->setText(widgets::SymbolGlyphs(compute->text()));
    comptriple->setText(widgets::SymbolGlyphs(comptriple->text()));
    widgets::ConnectClick(compute, this, &VectorWindow::compute_Click);
    widgets::ConnectClick(comptriple, this, &VectorWindow::comptriple_Click);
    widgets::WorkingLogOf(this)->setHint(
        QStringLiteral("Press an arrow button: the working shows each product, length and angle worked out."));
}

void VectorWindow::compute_Click()
{
    const geometry::Vector a{Read(ai), Read(aj), Read(ak)};
    const geometry::Vector b{Read(bi), Read(bj), Read(bk)};
    const Working working = widgets::RecordWorking(this);
    moda->setText(widgets::FromUtf8(FormatPlain(geometry::modulus(a, "|a|", working))));
    modb->setText(widgets::FromUtf8(FormatPlain(geometry::modulus(b, "|b|", working))));
    adotb->setText(widgets::FromUtf8(FormatPlain(geometry::scalarab(a.i, a.j, a.k, b.i, b.j, b.k, working))));
    theta->setText(widgets::FromUtf8(geometry::angletext(a, b, working)));
    aplusb->setText(widgets::FromUtf8(geometry::sumtext(a, b, working)));
    aminusb->setText(widgets::FromUtf8(geometry::differencetext(a, b, working)));
    acrossb->setText(widgets::FromUtf8(geometry::vectorab(a.i, a.j, a.k, b.i, b.j, b.k, working)));
    modacrossb->setText(widgets::FromUtf8(FormatPlain(geometry::modvectorab(a.i, a.j, a.k, b.i, b.j, b.k, working))));
}

void VectorWindow::comptriple_Click()
{
    const geometry::Vector p{Read(pi), Read(pj), Read(pk)};
    const geometry::Vector q{Read(qi), Read(qj), Read(qk)};
    const geometry::Vector r{Read(ri), Read(rj), Read(rk)};
    const Working working = widgets::RecordWorking(this);
    scalarpqr->setText(
        widgets::FromUtf8(FormatPlain(geometry::det(p.i, p.j, p.k, q.i, q.j, q.k, r.i, r.j, r.k, working))));
    const geometry::Vector u = geometry::vectortriple(p, q, r, working);
    vectorpqr->setText(widgets::FromUtf8(geometry::tripletext(u, working)));
    modvectorpqr->setText(widgets::FromUtf8(FormatPlain(geometry::modulus(u, "|a × (b × c)|", working))));
}

} // namespace zentaro::ui
