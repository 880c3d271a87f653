#pragma once

#include "ui_base_conversion_window.h"

#include <QWidget>

namespace zentaro::ui {

// baseconvfrm: a whole number rewritten from one base (2 to 36) in another.
class BaseConversionWindow : public QWidget, private Ui::baseconvfrm {
    Q_OBJECT

public:
    explicit BaseConversionWindow(QWidget* parent = nullptr);

private:
    void convertbases_Click();
};

} // namespace zentaro::ui
