#pragma once

#include "ui_gcd_lcm_window.h"

#include <QWidget>

namespace zentaro::ui {

// gcdlcmfrm: GCD and LCM of two numbers, the factors of a number, and its prime
// factors with their powers.
class GcdLcmWindow : public QWidget, private Ui::gcdlcmfrm {
    Q_OBJECT

public:
    explicit GcdLcmWindow(QWidget* parent = nullptr);

private:
    void comp_Click();
    void factorize_Click();
    void primfact_Click();
};

} // namespace zentaro::ui
