#pragma once

#include "ui_statistics_window.h"

#include <QWidget>

namespace zentaro::ui {

// statisticsfrm: mean, sums and population spread of values typed into input boxes.
class StatisticsWindow : public QWidget, private Ui::statisticsfrm {
    Q_OBJECT

public:
    explicit StatisticsWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void enterxcmd_Click();
};

} // namespace zentaro::ui
