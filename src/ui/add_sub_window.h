#pragma once

#include "ui_add_sub_window.h"

#include <QWidget>

namespace zentaro::ui {

// addsubfrm: sums and differences of whole numbers of up to 65536 digits; the
// adder and the subtracter are independent halves.
class AddSubWindow : public QWidget, private Ui::addsubfrm {
    Q_OBJECT

public:
    explicit AddSubWindow(QWidget* parent = nullptr);

private:
    void addab_Click();
    void subab_Click();
};

} // namespace zentaro::ui
