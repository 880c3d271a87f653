#pragma once

#include "support/dialog_script.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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
    void SetUp() override
    {
        window = std::make_unique<Window>();
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        dialogs.checkDone();
        window.reset();
    }

    QLineEdit* field(const char* name) { return Find<QLineEdit>(window.get(), name); }
    QPlainTextEdit* area(const char* name) { return Find<QPlainTextEdit>(window.get(), name); }
    QString text(const char* name)
    {
        if (auto* line = window->template findChild<QLineEdit*>(QString::fromLatin1(name)))
            return line->text();
        return area(name)->toPlainText();
    }
    void type(const char* name, const QString& value) { field(name)->setText(value); }
    void click(const char* name) { Find<QPushButton>(window.get(), name)->click(); }

    std::unique_ptr<Window> window;
    DialogScript dialogs;
};

} // namespace zentaro::testing
