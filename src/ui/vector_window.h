#pragma once

#include "ui_vector_window.h"

#include <QWidget>

namespace zentaro::ui {

// vectorfrm: products, sum, difference and angle of two vectors, and the triple
// products of three.
class VectorWindow : public QWidget, private Ui::vectorfrm {
    Q_OBJECT

public:
    explicit VectorWindow(QWidget* parent = nullptr);

private:
    void compute_Click();
    void comptriple_Click();
};

} // namespace zentaro::ui
