#pragma once

#include "ui_quadratic_window.h"

#include <QWidget>

namespace zentaro::ui {

// quadcubfrm: b·x² + c·x + d = 0 in exact surd form or in decimals.
class QuadraticWindow : public QWidget, private Ui::quadcubfrm {
    Q_OBJECT

public:
    explicit QuadraticWindow(QWidget* parent = nullptr);

    // The window's two heights in twips: the equation alone, and with the answer.
    static constexpr int kInputHeight = 1700;
    static constexpr int kSolvedHeight = 3030;

private:
    void Form_Load();
    void solvecmd_Click();
    void clearcmd_Click();
};

} // namespace zentaro::ui
