#include "ui/triangle_window.h"

#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/window_text.h"
#include "widgets/working_log.h"

#include <array>

namespace zentaro::ui {
namespace {

// The three display states are three heights of the window, in twips: the
// failure message and the result frame lie below the input-only height.
constexpr int kInputOnlyHeight = 2760;
constexpr int kFailureHeight = 4000;
constexpr int kSolvedHeight = 4665;

} // namespace

TriangleWindow::TriangleWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::MakeAnswersSelectable(
        this, {sidealbl, sideblbl, sideclbl, Albl, Blbl, Clbl, Arealbl, Rlbl, inradiuslbl, r1lbl, r2lbl, r3lbl});
    // The failure message lies under the results while they show: it copies, but Tab passes it by.
    Label19->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    widgets::ConnectClick(Option1, this, &TriangleWindow::Option1_Click);
    widgets::ConnectClick(Option2, this, &TriangleWindow::Option2_Click);
    widgets::ConnectClick(Option3, this, &TriangleWindow::Option3_Click);
    widgets::ConnectClick(Option4, this, &TriangleWindow::Option4_Click);
    widgets::ConnectClick(clearcmd, this, &TriangleWindow::clearcmd_Click);
    widgets::ConnectClick(solvecmd, this, &TriangleWindow::solvecmd_Click);
    widgets::WorkingLogOf(this)->setHint(QStringLiteral(
        "Choose what is given, type it and press “Solve!”: the working shows which rule gives each part."));
    Form_Load();
}

void TriangleWindow::Form_Load()
{
    widgets::SetFormHeightTwips(this, kInputOnlyHeight);
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
    const geometry::TriangleInputs inputs{widgets::ToUtf8(sideatxt->text()), widgets::ToUtf8(sidebtxt->text()),
                                          widgets::ToUtf8(sidectxt->text()), widgets::ToUtf8(Atxt->text()),
                                          widgets::ToUtf8(Btxt->text()),     widgets::ToUtf8(Ctxt->text())};
    // While the person chooses between two triangles, and after declining to,
    // the solution of earlier data must not stand beside the new data.
    const AskInput choose = [this, ask = widgets::InputCallback(this)](std::string_view prompt, std::string_view title,
                                                                       std::string_view reply) {
        showinputonly();
        return ask(prompt, title, reply);
    };
    const Working working = widgets::RecordWorking(this);
    const geometry::Solution solution = geometry::solvetriangle(selectedmode(), inputs, choose, working);
    // Declining leaves the window as the question left it: the inputs alone.
    if (solution.outcome == geometry::Outcome::BackedOut)
        return;
    if (solution.outcome == geometry::Outcome::NoTriangle) {
        Frame3->hide();
        widgets::SetFormHeightTwips(this, kFailureHeight);
        return;
    }
    const geometry::TriangleCaptions captions = geometry::solutioncaptions(solution.triangle, working);
    sidealbl->setText(widgets::FromUtf8(captions.sidealbl));
    sideblbl->setText(widgets::FromUtf8(captions.sideblbl));
    sideclbl->setText(widgets::FromUtf8(captions.sideclbl));
    Albl->setText(widgets::FromUtf8(captions.Albl));
    Blbl->setText(widgets::FromUtf8(captions.Blbl));
    Clbl->setText(widgets::FromUtf8(captions.Clbl));
    Arealbl->setText(widgets::FromUtf8(captions.Arealbl));
    Rlbl->setText(widgets::FromUtf8(captions.Rlbl));
    inradiuslbl->setText(widgets::FromUtf8(captions.inradiuslbl));
    r1lbl->setText(widgets::FromUtf8(captions.r1lbl));
    r2lbl->setText(widgets::FromUtf8(captions.r2lbl));
    r3lbl->setText(widgets::FromUtf8(captions.r3lbl));
    Frame3->show();
    widgets::SetFormHeightTwips(this, kSolvedHeight);
    widgets::CentreVertically(this);
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
    widgets::SetFormHeightTwips(this, kInputOnlyHeight);
    widgets::CentreVertically(this);
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
