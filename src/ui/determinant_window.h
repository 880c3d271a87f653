#pragma once

#include "ui_determinant_window.h"

#include <QWidget>

namespace zentaro::ui {

// detfrm: determinants of 2 × 2, 3 × 3 and 4 × 4 matrices, each in its own frame.
class DeterminantWindow : public QWidget, private Ui::detfrm {
    Q_OBJECT

public:
    explicit DeterminantWindow(QWidget* parent = nullptr);

private:
    void det22cmd_Click();
    void det33cmd_Click();
    void det44cmd_Click();
};

} // namespace zentaro::ui
