#include "ui/fractions_window.h"

#include "fractions/conversions.h"
#include "widgets/handler.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

#include <string>
#include <string_view>

namespace zentaro::ui {
namespace {

// Inside the window class "fractions" names the form, so the computations go by this.
namespace frac = zentaro::fractions;
using frac::FracOp;
using frac::MixedField;

} // namespace

FractionsWindow::FractionsWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(addcmd, this, &FractionsWindow::addcmd_Click);
    widgets::ConnectClick(subcmd, this, &FractionsWindow::subcmd_Click);
    widgets::ConnectClick(multicmd, this, &FractionsWindow::multicmd_Click);
    widgets::ConnectClick(divcmd, this, &FractionsWindow::divcmd_Click);
    widgets::ConnectClick(impaddcmd, this, &FractionsWindow::impaddcmd_Click);
    widgets::ConnectClick(impsubcmd, this, &FractionsWindow::impsubcmd_Click);
    widgets::ConnectClick(impmulticmd, this, &FractionsWindow::impmulticmd_Click);
    widgets::ConnectClick(impdivcmd, this, &FractionsWindow::impdivcmd_Click);
    widgets::ConnectClick(compcmd, this, &FractionsWindow::compcmd_Click);
    widgets::ConnectClick(smpcmd, this, &FractionsWindow::smpcmd_Click);
    widgets::WorkingLogOf(this)->setHint(
        QStringLiteral("Type two fractions into a frame and press its first \"=\", or a fraction to convert and "
                       "press the \"=\" beside it: the working of that answer shows here."));
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
void FractionsWindow::ComputeAnswer(FracOp op, const ArithmeticFrame& frame, Working working)
{
    frame.whole->clear();
    frame.numerator->clear();
    frame.denominator->clear();
    const frac::MixedText answer = frac::fracanswer(
        op, widgets::ToUtf8(frame.numerator1->text()), widgets::ToUtf8(frame.denominator1->text()),
        widgets::ToUtf8(frame.numerator2->text()), widgets::ToUtf8(frame.denominator2->text()), working);
    if (answer.whole)
        frame.whole->setText(widgets::FromUtf8(*answer.whole));
    frame.numerator->setText(widgets::FromUtf8(answer.numerator));
    frame.denominator->setText(widgets::FromUtf8(answer.denominator));
}

// Not cleared first: an Overflow leaves the previous improper form in place.
void FractionsWindow::ShowImproperForm(const ArithmeticFrame& frame, Working working)
{
    const frac::ImproperText improper =
        frac::improperanswer(widgets::ToUtf8(frame.whole->text()), widgets::ToUtf8(frame.numerator->text()),
                             widgets::ToUtf8(frame.denominator->text()), working);
    frame.improperNumerator->setText(widgets::FromUtf8(improper.numerator));
    frame.improperDenominator->setText(widgets::FromUtf8(improper.denominator));
}

void FractionsWindow::addcmd_Click()
{
    ComputeAnswer(FracOp::Add, addFrame(), widgets::RecordWorking(this));
}

void FractionsWindow::subcmd_Click()
{
    ComputeAnswer(FracOp::Subtract, subFrame(), widgets::RecordWorking(this));
}

void FractionsWindow::multicmd_Click()
{
    ComputeAnswer(FracOp::Multiply, multiFrame(), widgets::RecordWorking(this));
}

void FractionsWindow::divcmd_Click()
{
    ComputeAnswer(FracOp::Divide, divFrame(), widgets::RecordWorking(this));
}

void FractionsWindow::impaddcmd_Click()
{
    ShowImproperForm(addFrame(), widgets::RecordWorking(this));
}

void FractionsWindow::impsubcmd_Click()
{
    ShowImproperForm(subFrame(), widgets::RecordWorking(this));
}

void FractionsWindow::impmulticmd_Click()
{
    ShowImproperForm(multiFrame(), widgets::RecordWorking(this));
}

void FractionsWindow::impdivcmd_Click()
{
    ShowImproperForm(divFrame(), widgets::RecordWorking(this));
}

// Not cleared first: a zero denominator or an Overflow leaves the previous answer.
void FractionsWindow::compcmd_Click()
{
    const frac::ImproperText improper =
        frac::mixedtoimproper(widgets::ToUtf8(comptxt1->text()), widgets::ToUtf8(comptxt2->text()),
                              widgets::ToUtf8(comptxt3->text()), widgets::RecordWorking(this));
    companstxt1->setText(widgets::FromUtf8(improper.numerator));
    companstxt2->setText(widgets::FromUtf8(improper.denominator));
}

// Each answer field is written as soon as it is known, so an Overflow part-way
// leaves the fields already written.
void FractionsWindow::smpcmd_Click()
{
    smpanstxt1->clear();
    smpanstxt2->clear();
    smpanstxt3->clear();
    QLineEdit* const fields[] = {smpanstxt1, smpanstxt2, smpanstxt3};
    frac::impropertomixed(
        widgets::ToUtf8(smptxt1->text()), widgets::ToUtf8(smptxt2->text()),
        [&fields](MixedField field, std::string_view text) {
            fields[static_cast<int>(field)]->setText(widgets::FromUtf8(text));
        },
        widgets::RecordWorking(this));
}

} // namespace zentaro::ui
