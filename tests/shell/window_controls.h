#pragma once

// The windows the application knows and the controls each form defines, as the
// shell tests walk them.

#include "shell/calculator_catalogue.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <string>
#include <vector>

namespace zentaro::shell {

inline std::vector<std::string> CalculatorForms()
{
    std::vector<std::string> forms;
    for (const CalculatorEntry& entry : Calculators()) {
        if (entry.make != nullptr)
            forms.push_back(entry.formName.toStdString());
    }
    return forms;
}

inline std::vector<std::string> KnownForms()
{
    std::vector<std::string> forms = {"startupfrm", "mainmenufrm", "frmAbout", "helpfrm", "workingfrm"};
    const std::vector<std::string> calculators = CalculatorForms();
    forms.insert(forms.end(), calculators.begin(), calculators.end());
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

inline std::string Name(const QWidget* widget)
{
    return widget->objectName().toStdString();
}

} // namespace zentaro::shell
