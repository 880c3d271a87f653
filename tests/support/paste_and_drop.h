#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace zentaro::testing {

// Ctrl+V as the window system hands it to `window`, the clipboard holding `data`.
void PasteWithCtrlV(QWidget* window, const QString& data);

// Drags a file `name` holding `data` over `window` and drops it there; false
// when the window refuses it.
bool DropFile(QWidget* window, const QString& name, const QByteArray& data);

} // namespace zentaro::testing
