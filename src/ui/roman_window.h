#pragma once

#include "ui_roman_window.h"

#include <QWidget>

namespace zentaro::ui {

// romanfrm: the Roman numeral of the number typed, kept up to date at every keystroke.
class RomanWindow : public QWidget, private Ui::romanfrm {
    Q_OBJECT

public:
    explicit RomanWindow(QWidget* parent = nullptr);

private:
    void arabic_Change();
};

} // namespace zentaro::ui
