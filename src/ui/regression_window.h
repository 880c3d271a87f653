#pragma once

#include "ui_regression_window.h"

#include <QWidget>

#include "statistics/pasted_data.h"

#include <string_view>
#include <vector>

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
    // The entry, boxes answered by the pasted replies first and then by the user.
    void enter(std::vector<statistics::PastedReply> pasted);
};

} // namespace zentaro::ui
