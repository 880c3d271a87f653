#pragma once

#include "ui_linear_system_window.h"

#include <QWidget>

namespace zentaro::ui {

// eqsolvefrm: systems of 2, 3 or 4 linear equations by Cramer's rule.
class LinearSystemWindow : public QWidget, private Ui::eqsolvefrm {
    Q_OBJECT

public:
    explicit LinearSystemWindow(QWidget* parent = nullptr);

private:
    void computexy_Click();
    void computexyz_Click();
    void computexyzu_Click();
};

} // namespace zentaro::ui
