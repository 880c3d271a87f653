#pragma once

#include "ui_random_window.h"

#include <QWidget>

namespace zentaro::ui {

// randfrm: the same list of random-looking numbers 0 to 4095 at every click.
class RandomWindow : public QWidget, private Ui::randfrm {
    Q_OBJECT

public:
    explicit RandomWindow(QWidget* parent = nullptr);

private:
    void randgencmd_Click();
};

} // namespace zentaro::ui
