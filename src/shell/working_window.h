#pragma once

#include "ui_working_window.h"

#include <QMetaObject>
#include <QPointer>
#include <QWidget>

namespace zentaro::shell {

// workingfrm: the working of the calculator window the user works in, as plain
// text to read, select and copy. It follows the user from calculator to
// calculator and from answer to answer; its own activation changes nothing.
class WorkingWindow : public QWidget, private Ui::workingfrm {
    Q_OBJECT

public:
    explicit WorkingWindow(QWidget* parent = nullptr);

    // Shows the working of `calculator` from now on, until another one is activated.
    void follow(QWidget* calculator);
    QWidget* followed() const { return calculator_; }

    // Beside the calculator, to its right where the screen has room, else to its left.
    void placeBeside(const QWidget* calculator);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showWorking();
    void copyallcmd_Click();

    QPointer<QWidget> calculator_;
    QMetaObject::Connection logChanged_;
    QMetaObject::Connection calculatorGone_;
};

} // namespace zentaro::shell
