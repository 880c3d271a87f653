#pragma once

#include "support/dialog_script.h"
#include "support/form_controls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace zentaro::testing {

// Finds a control by its name; fails the test when it is missing.
template <typename Control> Control* Find(QWidget* window, const char* name)
{
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << "no control " << name;
    return control;
}

// A window under test, shown and active, with a dialog script that fails the
// test on any message or input box it was not told about.
template <typename Window> class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { reopen(); }
    void TearDown() override
    {
        dialogs.checkDone();
        window.reset();
    }
    // A fresh window in place of the one under test.
    void reopen()
    {
        window = std::make_unique<Window>();
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }

    QLineEdit* field(const char* name) { return Find<QLineEdit>(window.get(), name); }
    QPlainTextEdit* area(const char* name) { return Find<QPlainTextEdit>(window.get(), name); }
    QRadioButton* option(const char* name) { return Find<QRadioButton>(window.get(), name); }
    // What a field, multi-line field or label shows.
    QString text(const char* name)
    {
        const std::optional<QString> shown = Shown(Find<QWidget>(window.get(), name));
        EXPECT_TRUE(shown.has_value()) << name << " shows no text";
        return shown.value_or(QString());
    }
    // The texts of the space-separated `names`, joined by "|", to compare a whole answer at once.
    QString texts(const char* names)
    {
        QStringList parts;
        for (const QString& name : QString::fromLatin1(names).split(' ', Qt::SkipEmptyParts))
            parts << text(name.toLatin1().constData());
        return parts.join('|');
    }
    void type(const char* name, const QString& value) { field(name)->setText(value); }
    // Types `values` into the space-separated `names`, in order; missing values are "".
    void fill(const char* names, const QStringList& values)
    {
        const QStringList list = QString::fromLatin1(names).split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < list.size(); ++i)
            type(list[i].toLatin1().constData(), values.value(i));
    }
    void click(const char* name) { Find<QPushButton>(window.get(), name)->click(); }

    std::unique_ptr<Window> window;
    DialogScript dialogs;
};

} // namespace zentaro::testing
