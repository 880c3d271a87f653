#pragma once

#include "ui_date_calc_window.h"

#include <QWidget>

namespace zentaro::ui {

// datecalcfrm: differences between dates, dates some days, months or years after
// or before a date, and weekdays. Date fields are checked for the dd/mm/yyyy form
// as the person leaves them; the buttons rely on that check.
class DatecalcWindow : public QWidget, private Ui::datecalcfrm {
    Q_OBJECT

public:
    explicit DatecalcWindow(QWidget* parent = nullptr);

private:
    void Date11_LostFocus();
    void Date12_LostFocus();
    void Date21_LostFocus();
    void Date31_LostFocus();
    void Date4_LostFocus();
    void a2_GotFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // The check the five date fields share: a wrongly formed date is refused
    // with a message and the field shows the placeholder again.
    void CheckDateField(QLineEdit* field);
};

} // namespace zentaro::ui
