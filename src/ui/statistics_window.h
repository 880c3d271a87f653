#pragma once

#include "ui_statistics_window.h"

#include <QWidget>

#include "conventions/dialogs.h"

#include <string_view>

namespace zentaro::ui {

// statisticsfrm: mean, sums and population spread of values typed into input boxes.
class StatisticsWindow : public QWidget, private Ui::statisticsfrm {
    Q_OBJECT

public:
    explicit StatisticsWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void enterxcmd_Click();
    // Values taken from a pasted text or a dropped file, as if typed into the boxes.
    void pastedata(std::string_view text);
    void enter(const AskInput& ask);
};

} // namespace zentaro::ui
