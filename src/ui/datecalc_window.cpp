#include "ui/datecalc_window.h"

#include "ui/qt_text.h"

#include "dates/date_questions.h"
#include "dates/date_text.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/focus_events.h"
#include "ui/window_setup.h"

#include <string>
#include <string_view>

namespace zentaro::ui {
namespace {

using dates::Direction;
using dates::Unit;

std::string Text(const QLineEdit* field)
{
    return field->text().toStdString();
}

template <typename Window> void ConnectLostFocus(QLineEdit* field, Window* window, void (Window::*handler)())
{
    shell::ConnectHandler(new FieldFocus(field), &FieldFocus::left, window, handler);
}

} // namespace

DatecalcWindow::DatecalcWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    ConnectLostFocus(Date11, this, &DatecalcWindow::Date11_LostFocus);
    ConnectLostFocus(Date12, this, &DatecalcWindow::Date12_LostFocus);
    ConnectLostFocus(Date21, this, &DatecalcWindow::Date21_LostFocus);
    ConnectLostFocus(Date31, this, &DatecalcWindow::Date31_LostFocus);
    ConnectLostFocus(Date4, this, &DatecalcWindow::Date4_LostFocus);
    shell::ConnectHandler(new FieldFocus(a2), &FieldFocus::entered, this, &DatecalcWindow::a2_GotFocus);
    shell::ConnectClick(Command1, this, &DatecalcWindow::Command1_Click);
    shell::ConnectClick(Command2, this, &DatecalcWindow::Command2_Click);
    shell::ConnectClick(Command3, this, &DatecalcWindow::Command3_Click);
    shell::ConnectClick(Command4, this, &DatecalcWindow::Command4_Click);
}

void DatecalcWindow::CheckDateField(QLineEdit* field)
{
    const std::string s = Text(field);
    if (dates::IsWronglyFormed(s)) {
        shell::MessageBox(this, FromUtf8(dates::kWrongDateMessage));
        field->setText(FromUtf8(dates::kDatePlaceholder));
    }
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
    a2->setText(QString());
}

void DatecalcWindow::Command1_Click()
{
    if (opndays1->isChecked())
        a1->setText(FromUtf8(dates::DateDifference(Text(Date11), Text(Date12), Unit::Days)));
    if (opnmonths1->isChecked())
        a1->setText(FromUtf8(dates::DateDifference(Text(Date11), Text(Date12), Unit::Months)));
    if (opnyrs1->isChecked())
        a1->setText(FromUtf8(dates::DateDifference(Text(Date11), Text(Date12), Unit::Years)));
}

void DatecalcWindow::Command2_Click()
{
    if (opndays2->isChecked())
        Date22->setText(FromUtf8(dates::ShiftedDate(Text(Date21), Text(a2), Unit::Days, Direction::Forward)));
    if (opnmonths2->isChecked())
        Date22->setText(FromUtf8(dates::ShiftedDate(Text(Date21), Text(a2), Unit::Months, Direction::Forward)));
    if (opnyrs2->isChecked())
        Date22->setText(FromUtf8(dates::ShiftedDate(Text(Date21), Text(a2), Unit::Years, Direction::Forward)));
}

void DatecalcWindow::Command3_Click()
{
    if (opndays3->isChecked())
        Date32->setText(FromUtf8(dates::ShiftedDate(Text(Date31), Text(a3), Unit::Days, Direction::Back)));
    if (opnmonths3->isChecked())
        Date32->setText(FromUtf8(dates::ShiftedDate(Text(Date31), Text(a3), Unit::Months, Direction::Back)));
    if (opnyrs3->isChecked())
        Date32->setText(FromUtf8(dates::ShiftedDate(Text(Date31), Text(a3), Unit::Years, Direction::Back)));
}

void DatecalcWindow::Command4_Click()
{
    a4->setText(FromUtf8(dates::WeekdayOf(Text(Date4))));
}

} // namespace zentaro::ui
