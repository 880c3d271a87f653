#pragma once

#include "ui_regression_window.h"

#include <QWidget>

#include "conventions/dialogs.h"

#include <string_view>

namespace zentaro::ui {

// regrnfrm: the least-squares line through pairs typed into input boxes.
class RegressionWindow : public QWidget, private Ui::regrnfrm {
    Q_OBJECT

public:
    explicit RegressionWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void enterxycmd_Click();
    // Pairs taken from a pasted text or a dropped file, as if typed into the boxes.
    void pastedata(std::string_view text);
    void enter(const AskInput& ask);
};

} // namespace zentaro::ui
