#pragma once

#include "ui_reciprocal_window.h"

#include <QWidget>

namespace zentaro::ui {

// recifrm: the reciprocal of a whole number to as many as 2000 digits.
class ReciprocalWindow : public QWidget, private Ui::recifrm {
    Q_OBJECT

public:
    explicit ReciprocalWindow(QWidget* parent = nullptr);

private:
    void cmdrecicalc_Click();
};

} // namespace zentaro::ui
