#include "ui/date_calc_window.h"

#include "widgets/qt_text.h"

#include "dates/date_questions.h"
#include "dates/date_text.h"
#include "widgets/focus_events.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

#include <QRadioButton>

#include <optional>
#include <string>
#include <string_view>

namespace zentaro::ui {
namespace {

using dates::Direction;
using dates::Unit;

template <typename Window> void ConnectLostFocus(QLineEdit* field, Window* window, void (Window::*handler)())
{
    widgets::ConnectHandler(new widgets::FieldFocus(field), &widgets::FieldFocus::left, window, handler);
}

// The unit of the option chosen in a group; none while no option is chosen.
std::optional<Unit> ChosenUnit(const QRadioButton* days, const QRadioButton* months, const QRadioButton* years)
{
    if (days->isChecked())
        return Unit::Days;
    if (months->isChecked())
        return Unit::Months;
    if (years->isChecked())
        return Unit::Years;
    return std::nullopt;
}

} // namespace

DatecalcWindow::DatecalcWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    ConnectLostFocus(Date11, this, &DatecalcWindow::Date11_LostFocus);
    ConnectLostFocus(Date12, this, &DatecalcWindow::Date12_LostFocus);
    ConnectLostFocus(Date21, this, &DatecalcWindow::Date21_LostFocus);
    ConnectLostFocus(Date31, this, &DatecalcWindow::Date31_LostFocus);
    ConnectLostFocus(Date4, this, &DatecalcWindow::Date4_LostFocus);
    widgets::ConnectHandler(new widgets::FieldFocus(a2), &widgets::FieldFocus::entered, this,
                            &DatecalcWindow::a2_GotFocus);
    widgets::ConnectHandler(new widgets::FieldFocus(a3), &widgets::FieldFocus::entered, this,
                            &DatecalcWindow::a3_GotFocus);
    widgets::ConnectClick(Command1, this, &DatecalcWindow::Command1_Click);
    widgets::ConnectClick(Command2, this, &DatecalcWindow::Command2_Click);
    widgets::ConnectClick(Command3, this, &DatecalcWindow::Command3_Click);
    widgets::ConnectClick(Command4, this, &DatecalcWindow::Command4_Click);
    widgets::WorkingLogOf(this)->setHint(QStringLiteral(
        "Press “=” or “was a”: the working shows the day and month numbers and how the weekday is found."));
}

void DatecalcWindow::CheckDateField(QLineEdit* field)
{
    const std::string s = widgets::ToUtf8(field->text());
    if (dates::IsWronglyFormed(s)) {
        widgets::MessageBox(this, widgets::FromUtf8(dates::kWrongDateMessage));
        field->setText(widgets::FromUtf8(dates::kDatePlaceholder));
    }
}

bool DatecalcWindow::DatesReady(QLineEdit* result, std::string_view opening, std::initializer_list<QLineEdit*> fields)
{
    result->setText(widgets::FromUtf8(opening));
    for (QLineEdit* field : fields) {
        if (!dates::IsRealDate(widgets::ToUtf8(field->text()))) {
            // The working says why there is no answer, rather than showing the last one's steps.
            widgets::RecordWorking(this).step(
                [&] { return '"' + widgets::ToUtf8(field->text()) + "\" is not a date: nothing to compute."; });
            widgets::MessageBox(this, widgets::FromUtf8(dates::kWrongDateMessage));
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
            return false;
        }
    }
    return true;
}

void DatecalcWindow::EmptyUntypedAmount(QLineEdit* amount)
{
    if (widgets::ToUtf8(amount->text()) == dates::kAmountPlaceholder)
        amount->clear();
    amount->selectAll();
}

void DatecalcWindow::Date11_LostFocus()
{
    CheckDateField(Date11);
}

void DatecalcWindow::Date12_LostFocus()
{
    CheckDateField(Date12);
}

void DatecalcWindow::Date21_LostFocus()
{
    CheckDateField(Date21);
}

void DatecalcWindow::Date31_LostFocus()
{
    CheckDateField(Date31);
}

void DatecalcWindow::Date4_LostFocus()
{
    CheckDateField(Date4);
}

void DatecalcWindow::a2_GotFocus()
{
    EmptyUntypedAmount(a2);
}

void DatecalcWindow::a3_GotFocus()
{
    EmptyUntypedAmount(a3);
}

void DatecalcWindow::Command1_Click()
{
    if (!DatesReady(a1, dates::kAmountPlaceholder, {Date11, Date12}))
        return;
    if (const std::optional<Unit> unit = ChosenUnit(opndays1, opnmonths1, opnyrs1))
        a1->setText(widgets::FromUtf8(dates::DateDifference(
            widgets::ToUtf8(Date11->text()), widgets::ToUtf8(Date12->text()), *unit, widgets::RecordWorking(this))));
}

void DatecalcWindow::Command2_Click()
{
    if (!DatesReady(Date22, dates::kDatePlaceholder, {Date21}))
        return;
    if (const std::optional<Unit> unit = ChosenUnit(opndays2, opnmonths2, opnyrs2))
        Date22->setText(
            widgets::FromUtf8(dates::ShiftedDate(widgets::ToUtf8(Date21->text()), widgets::ToUtf8(a2->text()), *unit,
                                                 Direction::Forward, widgets::RecordWorking(this))));
}

void DatecalcWindow::Command3_Click()
{
    if (!DatesReady(Date32, dates::kDatePlaceholder, {Date31}))
        return;
    if (const std::optional<Unit> unit = ChosenUnit(opndays3, opnmonths3, opnyrs3))
        Date32->setText(
            widgets::FromUtf8(dates::ShiftedDate(widgets::ToUtf8(Date31->text()), widgets::ToUtf8(a3->text()), *unit,
                                                 Direction::Back, widgets::RecordWorking(this))));
}

void DatecalcWindow::Command4_Click()
{
    if (!DatesReady(a4, dates::kWeekdayPlaceholder, {Date4}))
        return;
    a4->setText(widgets::FromUtf8(dates::WeekdayOf(widgets::ToUtf8(Date4->text()), widgets::RecordWorking(this))));
}

} // namespace zentaro::ui
