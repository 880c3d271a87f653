#pragma once

#include "ui_physical_constants_window.h"

#include <QWidget>

namespace zentaro::ui {

// phyconstfrm: a reference card of 35 constants whose values can be copied.
class PhysicalConstantsWindow : public QWidget, private Ui::phyconstfrm {
    Q_OBJECT

public:
    explicit PhysicalConstantsWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
};

} // namespace zentaro::ui
