#pragma once

#include "fractions/arithmetic.h"
#include "ui_fractions_window.h"

#include <QWidget>

class QLineEdit;

namespace zentaro::ui {

// fractions: the four operations on two simple fractions with mixed-number
// answers, each answer's improper form, and conversions between mixed and
// improper fractions typed by the user.
class FractionsWindow : public QWidget, private Ui::fractions {
    Q_OBJECT

public:
    explicit FractionsWindow(QWidget* parent = nullptr);

private:
    // One arithmetic frame's fields: two input fractions, the mixed answer and its
    // improper form.
    struct ArithmeticFrame {
        QLineEdit* numerator1;
        QLineEdit* denominator1;
        QLineEdit* numerator2;
        QLineEdit* denominator2;
        QLineEdit* whole;
        QLineEdit* numerator;
        QLineEdit* denominator;
        QLineEdit* improperNumerator;
        QLineEdit* improperDenominator;
    };

    void addcmd_Click();
    void subcmd_Click();
    void multicmd_Click();
    void divcmd_Click();
    void impaddcmd_Click();
    void impsubcmd_Click();
    void impmulticmd_Click();
    void impdivcmd_Click();
    void compcmd_Click();
    void smpcmd_Click();

    // The shared steps of the four "=" buttons and of their improper-form twins.
    static void ComputeAnswer(zentaro::fractions::FracOp op, const ArithmeticFrame& frame, Working working);
    static void ShowImproperForm(const ArithmeticFrame& frame, Working working);

    ArithmeticFrame addFrame() const;
    ArithmeticFrame subFrame() const;
    ArithmeticFrame multiFrame() const;
    ArithmeticFrame divFrame() const;
};

} // namespace zentaro::ui
