#include "ui/triangle_window.h"

#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/window_setup.h"

#include <array>

namespace zentaro::ui {
namespace {

// The three display states are three heights of the window, in twips: the
// failure message and the result frame lie below the input-only height.
constexpr int kInputOnlyHeight = 2760;
constexpr int kFailureHeight = 4000;
constexpr int kSolvedHeight = 4665;

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TriangleWindow::TriangleWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(Option1, this, &TriangleWindow::Option1_Click);
    shell::ConnectClick(Option2, this, &TriangleWindow::Option2_Click);
    shell::ConnectClick(Option3, this, &TriangleWindow::Option3_Click);
    shell::ConnectClick(Option4, this, &TriangleWindow::Option4_Click);
    shell::ConnectClick(clearcmd, this, &TriangleWindow::clearcmd_Click);
    shell::ConnectClick(solvecmd, this, &TriangleWindow::solvecmd_Click);
    Form_Load();
}

void TriangleWindow::Form_Load()
{
    SetFormHeightTwips(this, kInputOnlyHeight);
    // Open ready for the first mode, so that "Solve!" never runs without one.
    Option1->setChecked(true);
    enableinputs(geometry::Mode::TwoAnglesAndSide);
}

void TriangleWindow::Option1_Click()
{
    enableinputs(geometry::Mode::TwoAnglesAndSide);
    showinputonly();
}

void TriangleWindow::Option2_Click()
{
    enableinputs(geometry::Mode::TwoSidesAndAngle);
    showinputonly();
}

void TriangleWindow::Option3_Click()
{
    enableinputs(geometry::Mode::ThreeSides);
    showinputonly();
}

void TriangleWindow::Option4_Click()
{
    enableinputs(geometry::Mode::AmbiguousCase);
    showinputonly();
}

void TriangleWindow::clearcmd_Click()
{
    for (QLineEdit* field : {sideatxt, sidebtxt, sidectxt, Atxt, Btxt, Ctxt})
        field->clear();
    showinputonly();
}

void TriangleWindow::solvecmd_Click()
{
    const geometry::TriangleInputs inputs{sideatxt->text().toStdString(), sidebtxt->text().toStdString(),
                                          sidectxt->text().toStdString(), Atxt->text().toStdString(),
                                          Btxt->text().toStdString(),     Ctxt->text().toStdString()};
    const geometry::Solution solution = geometry::solvetriangle(selectedmode(), inputs, shell::InputCallback(this));
    if (solution.outcome == geometry::Outcome::BackedOut)
        return;
    if (solution.outcome == geometry::Outcome::NoTriangle) {
        Frame3->hide();
        SetFormHeightTwips(this, kFailureHeight);
        return;
    }
    const geometry::TriangleCaptions captions = geometry::solutioncaptions(solution.triangle);
    sidealbl->setText(Text(captions.sidealbl));
    sideblbl->setText(Text(captions.sideblbl));
    sideclbl->setText(Text(captions.sideclbl));
    Albl->setText(Text(captions.Albl));
    Blbl->setText(Text(captions.Blbl));
    Clbl->setText(Text(captions.Clbl));
    Arealbl->setText(Text(captions.Arealbl));
    Rlbl->setText(Text(captions.Rlbl));
    inradiuslbl->setText(Text(captions.inradiuslbl));
    r1lbl->setText(Text(captions.r1lbl));
    r2lbl->setText(Text(captions.r2lbl));
    r3lbl->setText(Text(captions.r3lbl));
    Frame3->show();
    SetFormHeightTwips(this, kSolvedHeight);
    CentreVertically(this);
}

void TriangleWindow::enableinputs(geometry::Mode mode)
{
    struct Missing {
        std::array<QLabel*, 3> captions;
        std::array<QLineEdit*, 3> fields;
    };
    const Missing missing = [&]() -> Missing {
        switch (mode) {
        case geometry::Mode::TwoAnglesAndSide:
            return {{Label2, Label3, Label5}, {sidebtxt, sidectxt, Atxt}};
        case geometry::Mode::TwoSidesAndAngle:
            return {{Label1, Label4, Label6}, {sideatxt, Btxt, Ctxt}};
        case geometry::Mode::ThreeSides:
            return {{Label2, Label4, Label6}, {Atxt, Btxt, Ctxt}};
        case geometry::Mode::AmbiguousCase:
            break;
        }
        return {{Label1, Label2, Label6}, {sideatxt, Atxt, Ctxt}};
    }();
    for (QLabel* caption : {Label1, Label2, Label3, Label4, Label5, Label6})
        caption->setEnabled(true);
    for (QLabel* caption : missing.captions)
        caption->setEnabled(false);
    for (QLineEdit* field : {sideatxt, sidebtxt, sidectxt, Atxt, Btxt, Ctxt}) {
        field->setEnabled(true);
        field->clear();
    }
    for (QLineEdit* field : missing.fields)
        field->setEnabled(false);
}

void TriangleWindow::showinputonly()
{
    SetFormHeightTwips(this, kInputOnlyHeight);
    CentreVertically(this);
}

geometry::Mode TriangleWindow::selectedmode() const
{
    if (Option1->isChecked())
        return geometry::Mode::TwoAnglesAndSide;
    if (Option2->isChecked())
        return geometry::Mode::TwoSidesAndAngle;
    if (Option3->isChecked())
        return geometry::Mode::ThreeSides;
    return geometry::Mode::AmbiguousCase;
}

} // namespace zentaro::ui
