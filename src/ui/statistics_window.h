#pragma once

#include "ui_statistics_window.h"

#include <QWidget>

#include "statistics/pasted_data.h"

#include <string_view>
#include <vector>

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
    // The entry, boxes answered by the pasted replies first and then by the user.
    void enter(std::vector<statistics::PastedReply> pasted);
};

} // namespace zentaro::ui
