#pragma once

#include "ui_prime_window.h"

#include <QWidget>

namespace zentaro::ui {

// primfrm: the prime numbers between two limits.
class PrimeWindow : public QWidget, private Ui::primfrm {
    Q_OBJECT

public:
    explicit PrimeWindow(QWidget* parent = nullptr);

    // A listing that looks like taking longer than this shows a progress dialog
    // with Cancel; 0 shows it as soon as the listing has begun.
    void setProgressDelay(int milliseconds) { progressDelay_ = milliseconds; }

private:
    void primegen_Click();

    int progressDelay_ = 500;
    bool listing_ = false;
};

} // namespace zentaro::ui
