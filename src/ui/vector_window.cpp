#include "ui/vector_window.h"

#include "conventions/numbers.h"
#include "geometry/vectors.h"
#include "shell/handler.h"
#include "ui/symbol_glyphs.h"
#include "ui/window_setup.h"

namespace zentaro::ui {
namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

double Read(const QLineEdit* field)
{
    return ParseNumber(field->text().toStdString());
}

} // namespace

VectorWindow::VectorWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    // These captions were drawn in a symbol font: theta and the two arrows.
    Label14->setText(SymbolGlyphs(Label14->text()));
    compute->setText(SymbolGlyphs(compute->text()));
    comptriple->setText(SymbolGlyphs(comptriple->text()));
    shell::ConnectClick(compute, this, &VectorWindow::compute_Click);
    shell::ConnectClick(comptriple, this, &VectorWindow::comptriple_Click);
}

void VectorWindow::compute_Click()
{
    const geometry::Vector a{Read(ai), Read(aj), Read(ak)};
    const geometry::Vector b{Read(bi), Read(bj), Read(bk)};
    moda->setText(Text(FormatPlain(geometry::modulus(a))));
    modb->setText(Text(FormatPlain(geometry::modulus(b))));
    adotb->setText(Text(FormatPlain(geometry::scalarab(a.i, a.j, a.k, b.i, b.j, b.k))));
    theta->setText(Text(geometry::angletext(a, b)));
    aplusb->setText(Text(geometry::sumtext(a, b)));
    aminusb->setText(Text(geometry::differencetext(a, b)));
    acrossb->setText(Text(geometry::vectorab(a.i, a.j, a.k, b.i, b.j, b.k)));
    modacrossb->setText(Text(FormatPlain(geometry::modvectorab(a.i, a.j, a.k, b.i, b.j, b.k))));
}

void VectorWindow::comptriple_Click()
{
    const geometry::Vector p{Read(pi), Read(pj), Read(pk)};
    const geometry::Vector q{Read(qi), Read(qj), Read(qk)};
    const geometry::Vector r{Read(ri), Read(rj), Read(rk)};
    scalarpqr->setText(Text(FormatPlain(geometry::det(p.i, p.j, p.k, q.i, q.j, q.k, r.i, r.j, r.k))));
    const geometry::Vector u = geometry::vectortriple(p, q, r);
    vectorpqr->setText(Text(geometry::tripletext(u)));
    modvectorpqr->setText(Text(FormatPlain(geometry::modulus(u))));
}

} // namespace zentaro::ui
