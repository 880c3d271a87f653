#pragma once

#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace zentaro::widgets {

// The window as plain text to paste into a document or an e-mail: one line for
// each input and answer it shows (a field with text, the chosen option of a
// frame, an answer label), in Tab order, as "caption: value" when a label in
// front of it or its frame names it. A caption's closing "=" or ":" is left out.
QString WindowText(QWidget* window);

// Ctrl+Shift+C and the context-menu item "Copy all" put WindowText on the clipboard.
void AddCopyAll(QWidget* window);

// Labels that show answers: their text can be selected with the mouse and the
// keyboard and copied, and Tab stops at them after the control before them in
// reading order. They keep the look of a label.
void MakeAnswersSelectable(QWidget* window, std::initializer_list<QLabel*> answers);

} // namespace zentaro::widgets
