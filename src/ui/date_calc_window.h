#pragma once

#include "ui_date_calc_window.h"

#include <QWidget>

#include <initializer_list>
#include <string_view>

namespace zentaro::ui {

// datecalcfrm: differences between dates, dates some days, months or years after
// or before a date, and weekdays. Date fields are checked for the dd/mm/yyyy form
// as the person leaves them, and each button computes only from real dates.
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
    void a3_GotFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // The check the five date fields share: a wrongly formed date is refused
    // with a message and the field shows the placeholder again.
    void CheckDateField(QLineEdit* field);
    // What a button does before it computes: its result goes back to the text it
    // opened with, so that no answer of earlier inputs stands beside the new ones
    // (a run-time error below leaves it so too). A date field that holds no real
    // date is refused with the format message and given the focus, its text
    // selected for typing over, and nothing is computed.
    bool DatesReady(QLineEdit* result, std::string_view opening, std::initializer_list<QLineEdit*> fields);
    // An amount field makes way for typing: its placeholder goes, a typed amount
    // stays selected so that typing replaces it and leaving it keeps it.
    void EmptyUntypedAmount(QLineEdit* amount);
};

} // namespace zentaro::ui
