// What a user may do while a long prime listing runs, as real key and mouse
// events on the running application: the application waits for the listing or
// the listing stops, and nothing of a window that is going is run.
#include "numbers/primes.h"
#include "shell/application.h"
#include "ui/prime_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace zentaro::shell {
namespace {

enum class Then { CloseWindow, Exit, GenerateAgain, Nothing };

// The progress dialog is the one modal window while a listing runs.
QWidget* Progress()
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal->isVisible() ? modal : nullptr;
}

TEST(PrimeListing, WhateverTheUserDoesMeanwhileEndsInAConsistentState)
{
    const struct {
        const char* name;
        bool escape;   // Escape in the progress dialog first
        bool closeBox; // or its close box
        Then then;     // a moment later, or at once
        bool windowStays;
        int exits;
    } cases[] = {
        {"Escape, then close the window", true, false, Then::CloseWindow, false, 0},
        {"Escape, then Exit", true, false, Then::Exit, false, 1},
        {"the dialog's close box, then Exit", false, true, Then::Exit, false, 1},
        {"close the window under the dialog", false, false, Then::CloseWindow, false, 0},
        {"Escape alone", true, false, Then::Nothing, true, 0},
        {"Generate again under the dialog, then Escape", false, false, Then::GenerateAgain, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int exits = 0;
        Application app([&exits] { ++exits; });
        app.start();
        QWidget* startup = app.windows().find(QStringLiteral("startupfrm"));
        QPointer<QWidget> window = app.windows().show(QStringLiteral("primfrm"));
        ASSERT_TRUE(startup != nullptr && window != nullptr);
        static_cast<ui::PrimeWindow*>(window.data())->setProgressDelay(0);
        window->findChild<QLineEdit*>(QStringLiteral("endnum"))->setText(QStringLiteral("500000000"));
        auto* list = window->findChild<QPlainTextEdit*>(QStringLiteral("primestxt"));

        // Steps taken from inside the listing, as the events come.
        int step = 0;
        QElapsedTimer since;
        QTimer driver;
        QObject::connect(&driver, &QTimer::timeout, &driver, [&] {
            if (step == 0 && Progress() != nullptr) {
                if (c.escape)
                    QTest::keyClick(Progress(), Qt::Key_Escape);
                else if (c.closeBox)
                    Progress()->close();
                since.start();
                step = 1;
            } else if (step == 1 && since.elapsed() >= (c.then == Then::GenerateAgain ? 0 : 100)) {
                if (c.then == Then::CloseWindow && window != nullptr)
                    window->close();
                else if (c.then == Then::Exit)
                    QTest::mouseClick(startup->findChild<QPushButton*>(QStringLiteral("exitcmd")), Qt::LeftButton);
                else if (c.then == Then::GenerateAgain && Progress() != nullptr) {
                    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("primegen")), Qt::LeftButton);
                    QTest::keyClick(Progress(), Qt::Key_Escape);
                }
                step = 2;
            }
        });
        driver.start(5);
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("primegen")), Qt::LeftButton);
        // The rest of the steps, if the click came back before them.
        QElapsedTimer waited;
        waited.start();
        while (step < 2 && waited.elapsed() < 10000)
            QTest::qWait(5);
        driver.stop();
        QTest::qWait(20);

        EXPECT_EQ(step, 2);
        EXPECT_EQ(Progress(), nullptr);
        EXPECT_EQ(exits, c.exits);
        EXPECT_EQ(window != nullptr, c.windowStays);
        if (window != nullptr) {
            // Stopped early: the list of every prime up to the last one found.
            const QString text = list->property("plainText").toString();
            const qsizetype last = text.lastIndexOf(u'\u00A4');
            ASSERT_GT(last, 0);
            const double largest = text.mid(last + 1).toDouble();
            EXPECT_LT(largest, 500000000);
            EXPECT_EQ(text.toStdString(),
                      numbers::primes::ListPrimes(numbers::primes::CandidatesBetween(1, largest)).text());
        }
    }
}

} // namespace
} // namespace zentaro::shell
