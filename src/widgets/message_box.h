#pragma once

#include "conventions/dialogs.h"

#include <QString>

class QWidget;

namespace zentaro::widgets {

inline const QString kApplicationTitle = QStringLiteral("Zentaro");

// A modal message box: `style` is a buttons code (0 OK, 4 Yes and No) plus an
// icon code (16, 32, 48, 64); an empty title gives the application's.
MessageAnswer MessageBox(QWidget* parent, const QString& text, int style = msgstyle::kOkOnly,
                         const QString& title = {});

// A modal input box; Cancel gives the empty text.
QString InputBox(QWidget* parent, const QString& prompt, const QString& title = {}, const QString& defaultReply = {});

// The same boxes as callbacks for the computations.
ShowMessage MessageCallback(QWidget* parent);
AskInput InputCallback(QWidget* parent);

} // namespace zentaro::widgets
