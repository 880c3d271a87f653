#include "ui/fractions_window.h"

#include "fractions/conversions.h"
#include "shell/handler.h"
#include "ui/window_setup.h"

#include <string>
#include <string_view>

namespace zentaro::ui {
namespace {

// Inside the window class "fractions" names the form, so the computations go by this.
namespace frac = zentaro::fractions;
using frac::FracOp;
using frac::MixedField;

std::string Text(const QLineEdit* field)
{
    return field->text().toStdString();
}

void SetText(QLineEdit* field, std::string_view text)
{
    field->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace

FractionsWindow::FractionsWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(addcmd, this, &FractionsWindow::addcmd_Click);
    shell::ConnectClick(subcmd, this, &FractionsWindow::subcmd_Click);
    shell::ConnectClick(multicmd, this, &FractionsWindow::multicmd_Click);
    shell::ConnectClick(divcmd, this, &FractionsWindow::divcmd_Click);
    shell::ConnectClick(impaddcmd, this, &FractionsWindow::impaddcmd_Click);
    shell::ConnectClick(impsubcmd, this, &FractionsWindow::impsubcmd_Click);
    shell::ConnectClick(impmulticmd, this, &FractionsWindow::impmulticmd_Click);
    shell::ConnectClick(impdivcmd, this, &FractionsWindow::impdivcmd_Click);
    shell::ConnectClick(compcmd, this, &FractionsWindow::compcmd_Click);
    shell::ConnectClick(smpcmd, this, &FractionsWindow::smpcmd_Click);
}

FractionsWindow::ArithmeticFrame FractionsWindow::addFrame() const
{
    return {addtxt1, addtxt2, addtxt3, addtxt4, addans1, addans2, addans3, impaddanstxt1, impaddanstxt2};
}

FractionsWindow::ArithmeticFrame FractionsWindow::subFrame() const
{
    return {subtxt1, subtxt2, subtxt3, subtxt4, subans1, subans2, subans3, impsubanstxt1, impsubanstxt2};
}

FractionsWindow::ArithmeticFrame FractionsWindow::multiFrame() const
{
    return {multitxt1, multitxt2, multitxt3,       multitxt4,      multians1,
            multians2, multians3, impmultianstxt1, impmultianstxt2};
}

FractionsWindow::ArithmeticFrame FractionsWindow::divFrame() const
{
    return {divtxt1, divtxt2, divtxt3, divtxt4, divans1, divans2, divans3, impdivanstxt1, impdivanstxt2};
}

// Clears the answer, then reads, reduces and combines; a run-time error on the
// way leaves the answer empty. The improper-form fields keep what they hold.
void FractionsWindow::ComputeAnswer(FracOp op, const ArithmeticFrame& frame)
{
    frame.whole->clear();
    frame.numerator->clear();
    frame.denominator->clear();
    const frac::MixedText answer = frac::fracanswer(op, Text(frame.numerator1), Text(frame.denominator1),
                                                    Text(frame.numerator2), Text(frame.denominator2));
    if (answer.whole)
        SetText(frame.whole, *answer.whole);
    SetText(frame.numerator, answer.numerator);
    SetText(frame.denominator, answer.denominator);
}

// Not cleared first: an Overflow leaves the previous improper form in place.
void FractionsWindow::ShowImproperForm(const ArithmeticFrame& frame)
{
    const frac::ImproperText improper =
        frac::improperanswer(Text(frame.whole), Text(frame.numerator), Text(frame.denominator));
    SetText(frame.improperNumerator, improper.numerator);
    SetText(frame.improperDenominator, improper.denominator);
}

void FractionsWindow::addcmd_Click()
{
    ComputeAnswer(FracOp::Add, addFrame());
}

void FractionsWindow::subcmd_Click()
{
    ComputeAnswer(FracOp::Subtract, subFrame());
}

void FractionsWindow::multicmd_Click()
{
    ComputeAnswer(FracOp::Multiply, multiFrame());
}

void FractionsWindow::divcmd_Click()
{
    ComputeAnswer(FracOp::Divide, divFrame());
}

void FractionsWindow::impaddcmd_Click()
{
    ShowImproperForm(addFrame());
}

void FractionsWindow::impsubcmd_Click()
{
    ShowImproperForm(subFrame());
}

void FractionsWindow::impmulticmd_Click()
{
    ShowImproperForm(multiFrame());
}

void FractionsWindow::impdivcmd_Click()
{
    ShowImproperForm(divFrame());
}

// Not cleared first: a zero denominator or an Overflow leaves the previous answer.
void FractionsWindow::compcmd_Click()
{
    const frac::ImproperText improper = frac::mixedtoimproper(Text(comptxt1), Text(comptxt2), Text(comptxt3));
    SetText(companstxt1, improper.numerator);
    SetText(companstxt2, improper.denominator);
}

// Each answer field is written as soon as it is known, so an Overflow part-way
// leaves the fields already written.
void FractionsWindow::smpcmd_Click()
{
    smpanstxt1->clear();
    smpanstxt2->clear();
    smpanstxt3->clear();
    QLineEdit* const fields[] = {smpanstxt1, smpanstxt2, smpanstxt3};
    frac::impropertomixed(Text(smptxt1), Text(smptxt2), [&fields](MixedField field, std::string_view text) {
        SetText(fields[static_cast<int>(field)], text);
    });
}

} // namespace zentaro::ui
