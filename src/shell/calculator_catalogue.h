#pragma once

#include <QString>
#include <QWidget>

#include <vector>

namespace zentaro::shell {

// One row per main-menu button: the button, the window it shows, and how to make
// that window.
struct CalculatorEntry {
    QString button;
    QString formName;
    QWidget* (*make)();
};

const std::vector<CalculatorEntry>& Calculators();

} // namespace zentaro::shell
