#pragma once

#include <QSize>
#include <QString>

#include <vector>

class QAbstractButton;
class QAction;
class QWidget;

namespace zentaro::widgets {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips)
{
    return twips / kTwipsPerPixel;
}

// A form's outer size in twips includes its dialog frame: borders of 3 pixels
// and a caption of 20. This is the client size that leaves.
QSize ClientSizeFromTwips(int widthTwips, int heightTwips);

// A calculator window: top-level, no owner, a title bar with minimize and close
// buttons, fixed at its current size. Being a plain widget and not a QDialog,
// Escape hides nothing. Its controls are made readable by assistive tools and
// reachable by Tab (DescribeControls); Enter presses the button in focus or the
// one that computes from the field in focus (PressButtonsWithEnter); answers
// copy one by one, and all at once with Ctrl+Shift+C (AddCopyAll). A field
// that opens holding a default text selects it all when clicked into.
void MakeCalculatorWindow(QWidget* window);

// The window's "Show working" action (F2, and an item of the context menus of
// its background and of its answer fields), which MakeCalculatorWindow adds
// and the shell connects; nullptr for a window without one.
QAction* ShowWorkingAction(const QWidget* window);

// The menu and the information windows: a dialog-style title bar with a close
// button only, fixed size, controls described, Enter presses the focused button.
// When `ok` is given, Enter elsewhere and Escape press it.
void MakeDialogWindow(QWidget* window, QAbstractButton* ok = nullptr);

// Sets the client height for an outer height in twips and keeps the size fixed.
void SetFormHeightTwips(QWidget* window, int heightTwips);

// top = (screen height - window height) / 2, the left edge left where it is.
void CentreVertically(QWidget* window);

// Gives every field and button that has none an accessible name: a button its
// caption (else its tool tip), a field the caption of its label (beside it,
// above it, or the frame it alone sits in), else its tool tip, else its frame's
// caption. A read-only field is described as a result. Multi-line fields pass
// Tab on instead of typing it. Unless the form's definition sets a Tab order,
// Tab goes through the controls in reading order.
void DescribeControls(QWidget* window);

// The accessible name DescribeControls gives `control` (empty for other widgets).
QString AccessibleNameFor(const QWidget* control);

// The controls under `container` that Tab stops at, in reading order: top to
// bottom, left to right, the contents of a frame kept together.
std::vector<QWidget*> ReadingOrder(QWidget* container);

// True for a form whose definition lists its own Tab order.
bool FormSetsTabOrder(const QString& formName);

// A one-line or multi-line text field, a list or a number box.
bool IsTextField(const QWidget* control);

// The caption a label, button or frame shows, access keys read as the control draws them.
QString ShownCaption(const QWidget* control);

} // namespace zentaro::widgets
