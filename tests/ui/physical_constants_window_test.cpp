#include "ui/physical_constants_window.h"

#include "constants/physical_constants.h"
#include "support/window_test.h"

#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

#include <map>
#include <string>

namespace zentaro::ui {
namespace {

using PhysicalConstantsWindowTest = testing::WindowTest<PhysicalConstantsWindow>;

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TEST_F(PhysicalConstantsWindowTest, FramesStandAtTheirPlacesWithTheCopyTip)
{
    EXPECT_EQ(window->objectName(), "phyconstfrm");
    EXPECT_EQ(window->windowTitle(), "Physical Constants");
    const struct {
        const char* name;
        const char* caption;
        int leftTwips, topTwips;
    } frames[] = {
        {"Frame1", "Mathematical Consts", 120, 120}, {"Frame2", "Astronomical Data", 120, 1800},
        {"Frame3", "General Constants", 4920, 120},  {"Frame5", "Matter in Bulk", 4920, 3000},
        {"Frame4", "Electron Constants", 120, 5520}, {"Frame6", "Proton Constants", 4320, 5520},
        {"Frame7", "Neutron Constants", 8400, 5520},
    };
    for (const auto& f : frames) {
        SCOPED_TRACE(f.name);
        const auto* frame = testing::Find<QGroupBox>(window.get(), f.name);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), f.caption);
        EXPECT_EQ(frame->pos(), QPoint(f.leftTwips / 15, f.topTwips / 15));
        EXPECT_EQ(frame->toolTip(), "Copy the value of the required constant to clipboard and use it in calculations");
        EXPECT_TRUE(window->rect().contains(frame->geometry()));
    }
}

TEST_F(PhysicalConstantsWindowTest, EveryConstantShowsItsCaptionAndValue)
{
    const std::map<std::string_view, QString> computed = {{"etext", "2.71828182845905"},
                                                          {"pitext", "3.14159265358979"},
                                                          {"ln10text", "2.30258509299405"},
                                                          {"Text17", " 12.5663706143592E-07 H/m"}};
    std::map<std::string_view, int> lastTop;
    for (const constants::Constant& row : constants::card()) {
        SCOPED_TRACE(std::string(row.field));
        const auto* label = testing::Find<QLabel>(window.get(), std::string(row.label).c_str());
        const auto* value = testing::Find<QLineEdit>(window.get(), std::string(row.field).c_str());
        ASSERT_TRUE(label != nullptr && value != nullptr);
        EXPECT_EQ(label->text(), FromView(row.caption));
        const auto found = computed.find(row.field);
        EXPECT_EQ(value->text(), found != computed.end() ? found->second : FromView(row.value));
        EXPECT_EQ(label->parent()->objectName(), FromView(row.frame));
        EXPECT_EQ(value->parent()->objectName(), FromView(row.frame));
        EXPECT_TRUE(value->isReadOnly());
        EXPECT_EQ(value->font().family(), "Arial");
        EXPECT_EQ(label->font().family(), "Arial");
        EXPECT_TRUE(value->parentWidget()->rect().contains(value->geometry()));
        // Side by side on one line; in the narrow neutron frame the label stands above.
        if (row.frame == "Frame7") {
            EXPECT_LE(label->geometry().bottom(), value->geometry().top());
            EXPECT_EQ(label->x(), value->x());
        } else {
            EXPECT_EQ(label->y(), value->y());
            EXPECT_LT(label->geometry().right(), value->x());
        }
        // Rows stand top to bottom in the order of the card.
        const auto previous = lastTop.find(row.frame);
        if (previous != lastTop.end()) {
            EXPECT_GT(value->y(), previous->second);
        }
        lastTop[row.frame] = value->y();
    }
}

TEST_F(PhysicalConstantsWindowTest, ValuesCanBeCopiedButNotTyped)
{
    const struct {
        const char* name;
        QString text;
    } cases[] = {
        {"pitext", "3.14159265358979"}, {"Text17", " 12.5663706143592E-07 H/m"}, {"Text12", "6.6733E-11 N-m²/kg²"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QLineEdit* value = field(c.name);
        value->setFocus();
        QKeyEvent key(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
        QApplication::sendEvent(value, &key);
        QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(value, &erase);
        EXPECT_EQ(value->text(), c.text);
        value->selectAll();
        QGuiApplication::clipboard()->clear();
        value->copy();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.text);
    }
}

} // namespace
} // namespace zentaro::ui
