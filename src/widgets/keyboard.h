#pragma once

class QAbstractButton;
class QWidget;

namespace zentaro::widgets {

// Enter and keypad Enter in `window`: on a focused button they press it, as
// Space does; in an input field they press the button that computes from it
// (ButtonForField), leaving it first when it checks itself on leaving, as a
// click would. When `ok` is given, Enter anywhere else and Escape press it.
void PressButtonsWithEnter(QWidget* window, QAbstractButton* ok = nullptr);

// The button Enter in `field` presses, or nullptr: the button leading the
// field's row when it comes just before the field in Tab order, with only input
// fields between ("Compute" before the two numbers of the GCD), else the first
// enabled button after the field in Tab order. A Clear button is never pressed.
QAbstractButton* ButtonForField(QWidget* field);

} // namespace zentaro::widgets
