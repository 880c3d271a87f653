#pragma once

#include "ui_regression_window.h"

#include <QWidget>

namespace zentaro::ui {

// regrnfrm: the least-squares line through pairs typed into input boxes.
class RegressionWindow : public QWidget, private Ui::regrnfrm {
    Q_OBJECT

public:
    explicit RegressionWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void enterxycmd_Click();
};

} // namespace zentaro::ui
