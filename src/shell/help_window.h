#pragma once

#include "ui_help_window.h"

#include <QWidget>

namespace zentaro::shell {

// helpfrm: OK only hides it, so the next showing is the same instance.
class HelpWindow : public QWidget, private Ui::helpfrm {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

private:
    void Command1_Click();
};

} // namespace zentaro::shell
