// A whole session, built as a program of its own so that the leak checker's
// report at exit covers this session and nothing else: the application opens
// every window from the main menu, presses each of its buttons once with inputs
// that work, answers the boxes they show, closes everything and lets the
// deferred deletes run.
#include "shell/application.h"
#include "shell/calculator_catalogue.h"
#include "support/dialog_auto_answer.h"
#include "widgets/window_setup.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace zentaro::shell {
namespace {

struct SessionInputs {
    std::map<QString, QString> fields; // any editable field not named here gets "2"
    QStringList replies;               // answers to the window's input boxes, in turn
};

// Inputs each window computes an answer from, not a refusal.
const std::map<QString, SessionInputs>& Inputs()
{
    static const std::map<QString, SessionInputs> inputs = {
        {"addsubfrm", {{{"adda", "123456789"}, {"addb", "987654321"}, {"suba", "1000"}, {"subb", "1"}}, {}}},
        {"baseconvfrm", {{{"num1txt", "FF"}, {"base1txt", "16"}, {"base2txt", "2"}}, {}}},
        {"datecalcfrm",
         {{{"Date11", "05/12/2026"},
           {"Date12", "01/01/2000"},
           {"Date21", "28/02/2000"},
           {"a2", "1"},
           {"Date31", "01/03/2000"},
           {"a3", "1"},
           {"Date4", "05/12/2026"}},
          {}}},
        {"recifrm", {{{"num", "7"}, {"digits", "50"}}, {}}},
        {"randfrm", {{{"nrand", "20"}}, {}}},
        {"romanfrm", {{{"arabic", "1994"}}, {}}},
        {"statisticsfrm", {{}, {"2", "4", "4", "5", "00"}}},
        {"regrnfrm", {{}, {"1", "2", "2", "4", "3", "7", "00"}}},
        // The last mode chosen is the ambiguous case: 30°, 6 and 10 fit two triangles.
        {"solvetrianglefrm",
         {{{"sideatxt", "10"}, {"sidebtxt", "6"}, {"sidectxt", "10"}, {"Atxt", "60"}, {"Btxt", "30"}, {"Ctxt", "60"}},
          {"a1"}}},
        {"quadcubfrm", {{{"btxt", "1"}, {"ctxt", "1"}, {"dtxt", "-1"}}, {}}},
        {"eqsolvefrm",
         {{{"x1", "1"},  {"y1", "1"}, {"z1", "3"},  {"x2", "1"},  {"y2", "-1"}, {"z2", "1"}, {"p1", "1"},  {"q1", "1"},
           {"r1", "1"},  {"s1", "6"}, {"p2", "1"},  {"q2", "-1"}, {"r2", "1"},  {"s2", "2"}, {"p3", "2"},  {"q3", "1"},
           {"r3", "-1"}, {"s3", "1"}, {"a1", "1"},  {"b1", "1"},  {"c1", "1"},  {"d1", "1"}, {"e1", "10"}, {"a2", "1"},
           {"b2", "-1"}, {"c2", "1"}, {"d2", "-1"}, {"e2", "-2"}, {"a3", "2"},  {"b3", "1"}, {"c3", "-1"}, {"d3", "1"},
           {"e3", "5"},  {"a4", "1"}, {"b4", "2"},  {"c4", "3"},  {"d4", "-1"}, {"e4", "10"}},
          {}}},
    };
    return inputs;
}

void FillInputs(QWidget* window, const SessionInputs& inputs)
{
    const auto value = [&inputs](const QString& name) {
        const auto it = inputs.fields.find(name);
        return it == inputs.fields.end() ? QStringLiteral("2") : it->second;
    };
    for (QLineEdit* line : window->findChildren<QLineEdit*>()) {
        if (!line->isReadOnly() && !line->objectName().isEmpty() && !line->objectName().startsWith("qt_"))
            line->setText(value(line->objectName()));
    }
    for (QPlainTextEdit* area : window->findChildren<QPlainTextEdit*>()) {
        if (!area->isReadOnly())
            area->setPlainText(value(area->objectName()));
    }
}

void Click(QWidget* window, const char* button)
{
    auto* control = window->findChild<QAbstractButton*>(QString::fromLatin1(button));
    ASSERT_NE(control, nullptr) << button;
    control->click();
    QApplication::processEvents();
}

TEST(LeakSession, EveryWindowOpenedUsedAndClosed)
{
    int exits = 0;
    auto app = std::make_unique<Application>([&exits] { ++exits; });
    app->start();
    QApplication::processEvents();
    QWidget* startup = app->windows().find("startupfrm");
    ASSERT_NE(startup, nullptr);
    Click(startup, "aboutcmd");
    Click(startup, "helpcmd");
    Click(startup, "okcmd");
    QWidget* menu = app->windows().find("mainmenufrm");
    ASSERT_NE(menu, nullptr);

    int windows = 0;
    int presses = 0;
    int boxes = 0;
    int inputBoxes = 0;
    std::vector<QPointer<QWidget>> opened;
    for (const CalculatorEntry& entry : Calculators()) {
        if (entry.make == nullptr)
            continue;
        const auto it = Inputs().find(entry.formName);
        const SessionInputs inputs = it == Inputs().end() ? SessionInputs{} : it->second;
        testing::DialogAutoAnswer dialogs(inputs.replies, static_cast<int>(inputs.replies.size()));
        Click(menu, entry.button.toLatin1().constData());
        QWidget* window = app->windows().find(entry.formName);
        ASSERT_NE(window, nullptr) << entry.formName.toStdString();
        opened.emplace_back(window);
        ++windows;
        FillInputs(window, inputs);
        QApplication::processEvents();
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->objectName().isEmpty() || button->objectName().startsWith("qt_") || !button->isEnabled())
                continue;
            // A mode button may empty the fields: every press starts from inputs that work.
            FillInputs(window, inputs);
            dialogs.reset();
            button->click();
            QApplication::processEvents();
            ++presses;
            inputBoxes += dialogs.inputBoxes();
        }
        boxes += static_cast<int>(dialogs.messages().size());
        // The Working window opens on the first calculator and follows the others.
        widgets::ShowWorkingAction(window)->trigger();
        window->close();
        QApplication::processEvents();
    }
    std::printf("%d windows, %d presses, %d message boxes, %d input boxes\n", windows, presses, boxes, inputBoxes);
    EXPECT_GE(windows, 15);
    EXPECT_GE(presses, 40);

    // About goes with its OK button, Help only hides; the menu's close brings
    // back the start-up window, whose Exit discards what is left.
    if (QWidget* about = app->windows().find("frmAbout"))
        Click(about, "cmdOK");
    if (QWidget* help = app->windows().find("helpfrm"))
        Click(help, "Command1");
    menu->close();
    QApplication::processEvents();
    Click(app->windows().find("startupfrm"), "exitcmd");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_EQ(exits, 1);
    for (const QPointer<QWidget>& window : opened)
        EXPECT_TRUE(window.isNull()) << "a calculator window outlived its close";
    app.reset();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

} // namespace
} // namespace zentaro::shell
