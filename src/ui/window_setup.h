#pragma once

#include <QSize>

class QWidget;

namespace zentaro::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips)
{
    return twips / kTwipsPerPixel;
}

// A form's outer size in twips includes its dialog frame: borders of 3 pixels
// and a caption of 20. This is the client size that leaves.
QSize ClientSizeFromTwips(int widthTwips, int heightTwips);

// A calculator window: top-level, no owner, a dialog-style title bar with a close
// button, fixed at its current size. Being a plain widget and not a QDialog,
// Escape hides nothing and Enter fires no button.
void MakeCalculatorWindow(QWidget* window);

// Sets the client height for an outer height in twips and keeps the size fixed.
void SetFormHeightTwips(QWidget* window, int heightTwips);

// top = (screen height - window height) / 2, the left edge left where it is.
void CentreVertically(QWidget* window);

} // namespace zentaro::ui
