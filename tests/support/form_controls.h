#pragma once

// The windows the application knows and the controls each form defines, as the
// tests walk them.

#include "shell/calculator_catalogue.h"

#include "screenshots/window_script.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <optional>
#include <string>
#include <vector>

namespace zentaro::testing {

inline std::vector<std::string> KnownForms()
{
    std::vector<std::string> forms = {"startupfrm", "mainmenufrm", "frmAbout", "helpfrm", "workingfrm"};
    for (const shell::CalculatorEntry& entry : shell::Calculators())
        forms.push_back(entry.formName.toStdString());
    return forms;
}

inline bool IsField(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget);
}

// The controls a form defines: children of the window and of its frames, not the
// inner parts of a field or other windows.
inline void Collect(QWidget* container, std::vector<QWidget*>& controls)
{
    for (QWidget* child : container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        controls.push_back(child);
        const QMetaObject* kind = child->metaObject();
        if (qobject_cast<const QGroupBox*>(child) || kind == &QWidget::staticMetaObject ||
            kind == &QFrame::staticMetaObject)
            Collect(child, controls);
    }
}

inline std::vector<QWidget*> FormControls(QWidget* window)
{
    std::vector<QWidget*> controls;
    Collect(window, controls);
    return controls;
}

inline std::string Name(const QWidget* widget)
{
    return widget->objectName().toStdString();
}

// What a control shows: the same reading the gallery scripts use.
using tools::Shown;

// A field or multi-line field that takes typing.
inline bool TakesTyping(const QWidget* control)
{
    return (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control)) &&
           !control->property("readOnly").toBool();
}

inline void Type(QWidget* field, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->setText(text);
    else if (auto* area = qobject_cast<QPlainTextEdit*>(field))
        area->setPlainText(text);
}

} // namespace zentaro::testing
