#pragma once

#include "ui_triangle_window.h"

#include "geometry/triangle_solution.h"

#include <QWidget>

namespace zentaro::ui {

// solvetrianglefrm: a plane triangle solved from three of its parts.
class TriangleWindow : public QWidget, private Ui::solvetrianglefrm {
    Q_OBJECT

public:
    explicit TriangleWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void clearcmd_Click();
    void solvecmd_Click();

    // Empties the six inputs and leaves only the mode's three given ones (and
    // their captions) enabled.
    void enableinputs(geometry::Mode mode);
    // Back to the input-only height, centred on the screen.
    void showinputonly();
    geometry::Mode selectedmode() const;
};

} // namespace zentaro::ui
