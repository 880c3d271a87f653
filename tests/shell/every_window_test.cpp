// Checks that hold for every window the application knows, so that each window
// added to the catalogue is covered without an edit here.
#include "screenshots/window_script.h"
#include "shell/application.h"
#include "support/dialog_script.h"
#include "support/form_controls.h"
#include "widgets/wrapped_button.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <set>

namespace zentaro::shell {
namespace {

using testing::IsField;
using testing::Name;

// One window of the application, shown and active, with the controls of its form
// and a script that fails on any box.
class EveryWindow : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        window = app.windows().show(QString::fromStdString(GetParam()));
        ASSERT_NE(window, nullptr);
        QApplication::setActiveWindow(window);
        QApplication::processEvents();
        controls = testing::FormControls(window);
    }
    void TearDown() override
    {
        if (dialogs)
            dialogs->checkDone();
    }

    Application app{[] {}};
    QWidget* window = nullptr;
    std::vector<QWidget*> controls;
    std::optional<testing::DialogScript> dialogs{std::in_place};
};

std::string TooSmall(QSize need, QSize room)
{
    if (need.width() <= room.width() && need.height() <= room.height())
        return {};
    return QString::asprintf("needs %dx%d, has %dx%d", need.width(), need.height(), room.width(), room.height())
        .toStdString();
}

// A one-line field draws its text in the room inside its frame and clips it
// there. The text is cut off when the font's line (ascent and descent) is
// taller than that room, or when the text and the caret are wider than it less
// the field's side margins. The field's minimum size asks for a pixel more
// above and below the line, and at least 14 pixels of line: room the text does
// not need.
std::string LineClipping(QLineEdit* line)
{
    QStyleOptionFrame option;
    option.initFrom(line);
    option.rect = line->rect();
    option.lineWidth = line->hasFrame() ? line->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, line) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (line->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    const QRect room = line->style()->subElementRect(QStyle::SE_LineEditContents, &option, line) - line->textMargins();
    constexpr int kSideMargin = 2;
    const QFontMetrics metrics(line->font());
    const int caret = line->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, line);
    const std::string clipped = TooSmall({metrics.horizontalAdvance(line->text()) + caret, metrics.height()},
                                         {room.width() - 2 * kSideMargin, room.height()});
    return clipped.empty() ? clipped : QStringLiteral("'%1' ").arg(line->text()).toStdString() + clipped;
}

// Whether `control`'s caption or text fits in the room its style gives it.
std::string CaptionClipping(QWidget* control)
{
    const QFontMetrics metrics(control->font());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty())
            return {};
        const QSize need = label->minimumSizeHint();
        return TooSmall({need.width(), label->wordWrap() ? label->heightForWidth(label->width()) : need.height()},
                        label->size());
    }
    auto* button = qobject_cast<QAbstractButton*>(control);
    if (qobject_cast<QPushButton*>(control) || qobject_cast<QRadioButton*>(control) ||
        qobject_cast<QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = qobject_cast<QRadioButton*>(control) ? QStyle::SE_RadioButtonContents
                             : qobject_cast<QCheckBox*>(control)  ? QStyle::SE_CheckBoxContents
                                                                  : QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(element, &option, button);
        if (qobject_cast<widgets::WrappedButton*>(button) != nullptr) {
            const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
            return TooSmall(metrics.boundingRect(room, flags, button->text()).size(), room.size());
        }
        return TooSmall(metrics.size(Qt::TextShowMnemonic, button->text()), room.size());
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label =
            frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return frame->title().isEmpty() || frame->rect().contains(label)
                   ? std::string()
                   : "the title ends at " + std::to_string(label.right() + 1) + ", the frame at " +
                         std::to_string(frame->width());
    }
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return LineClipping(line);
    if (auto* area = qobject_cast<QPlainTextEdit*>(control)) {
        // A multi-line field scrolls; its text is cut off only when it must.
        const bool scrolls = area->horizontalScrollBar()->maximum() > 0 || area->verticalScrollBar()->maximum() > 0;
        return scrolls && !area->property("plainText").toString().isEmpty() ? "the text needs scrolling"
                                                                            : std::string();
    }
    if (IsField(control) && qobject_cast<QTextEdit*>(control) == nullptr)
        return TooSmall({0, control->minimumSizeHint().height()}, control->size());
    return {};
}

// As the window first shows: no caption or one-line field is too small for its
// text; every field and button has an accessible name, and answers say they are
// results; a picture holds a device pixel for each pixel of the screen, so that
// it stays sharp on a scaled screen.
TEST_P(EveryWindow, FitsItsTextsNamesItsControlsAndDrawsSharpPictures)
{
    for (QWidget* control : controls) {
        SCOPED_TRACE(Name(control));
        EXPECT_EQ(CaptionClipping(control), "") << "clipped";
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (IsField(control) || qobject_cast<QAbstractButton*>(control) != nullptr) {
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty());
            if (accessible->state().readOnly && IsField(control)) {
                EXPECT_TRUE(accessible->text(QAccessible::Description).contains(QStringLiteral("result")));
            }
        }
        auto* label = qobject_cast<QLabel*>(control);
        if (label == nullptr || label->pixmap().isNull())
            continue;
        EXPECT_GE(label->pixmap().devicePixelRatio(), window->devicePixelRatio());
        const QSizeF shown = label->pixmap().deviceIndependentSize();
        EXPECT_TRUE(shown.width() <= label->width() && shown.height() <= label->height())
            << shown.width() << "x" << shown.height() << " in " << label->width() << "x" << label->height();
    }
}

// With the answers of its screenshot in it (the script also checks that they are
// the right ones), a window shows everything, none of it cut off: what the
// bottom edge covered before is uncovered, the answers fit their fields, nothing
// sticks out of its frame, and no two controls shown together overlap unless one
// holds the other.
TEST_P(EveryWindow, WithItsGalleryAnswersEverythingShownFitsInTheWindow)
{
    QString error;
    const std::optional<tools::WindowScripts> scripts =
        tools::ReadScripts(QStringLiteral(ZENTARO_SCREENSHOT_SCRIPTS), error);
    ASSERT_TRUE(scripts.has_value()) << error.toStdString();
    if (const auto script = scripts->find(QString::fromStdString(GetParam())); script != scripts->end()) {
        dialogs->checkDone();
        dialogs.reset(); // the script answers the boxes itself
        const tools::ScriptResult result = tools::RunScript([this] { return window; }, script->second);
        ASSERT_EQ(result.error.toStdString(), "");
        QApplication::processEvents();
    }
    EXPECT_FALSE(window->objectName().isEmpty());
    for (QWidget* control : controls) {
        SCOPED_TRACE(Name(control) + " (" + control->metaObject()->className() + ")");
        if (control->parentWidget() != window) {
            EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry()))
                << "sticks out of " << Name(control->parentWidget());
        }
        // A control the bottom edge covers still stands inside on the other sides.
        const QRect inWindow(control->mapTo(window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(inWindow.left() >= 0 && inWindow.top() >= 0 && inWindow.right() < window->width())
            << "sticks out of the window";
        if (!control->isVisibleTo(window))
            continue;
        EXPECT_TRUE(window->rect().contains(inWindow)) << "not wholly in the window";
        EXPECT_EQ(CaptionClipping(control), "") << "clipped";
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QWidget* a = controls[i];
            const QWidget* b = controls[j];
            if (a->parentWidget() != b->parentWidget() || !a->isVisibleTo(window) || !b->isVisibleTo(window))
                continue;
            const QRect ra = a->geometry();
            const QRect rb = b->geometry();
            EXPECT_TRUE(!ra.intersects(rb) || ra.contains(rb) || rb.contains(ra))
                << Name(a) << " and " << Name(b) << " overlap";
        }
    }
}

// Tab stops at one option button of a group (the group's own keys move within
// it), so a group counts as one stop.
QWidget* Stop(QWidget* control)
{
    auto* option = qobject_cast<QRadioButton*>(control);
    return option != nullptr && option->autoExclusive() ? option->parentWidget() : control;
}

// Moving the focus runs the windows' focus handlers, and some of those rightly
// report a field left empty in a message box: here any box is simply answered.
TEST_P(EveryWindow, TabVisitsEveryControlThatTakesTheFocusOnceAndComesBack)
{
    dialogs->answerAnyBox();
    std::set<QWidget*> stops;
    QWidget* first = window->focusWidget();
    for (QWidget* control : controls) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window) && control->isEnabled()) {
            stops.insert(Stop(control));
            first = first != nullptr ? first : control;
        }
    }
    if (stops.empty())
        GTEST_SKIP() << "nothing takes the focus";
    first->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), first);
    std::vector<QWidget*> visited = {Stop(first)};
    for (std::size_t i = 0; i < stops.size(); ++i) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // A box that a focus handler opened took the activation with it as it
        // closed; a window manager hands it back to the window under the box.
        if (QApplication::activeWindow() != window)
            QApplication::setActiveWindow(window);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        visited.push_back(Stop(QApplication::focusWidget()));
    }
    EXPECT_EQ(visited.back(), Stop(first)) << "Tab did not come back after " << stops.size() << " stops";
    visited.pop_back();
    EXPECT_EQ(std::set<QWidget*>(visited.begin(), visited.end()), stops);
}

TEST_P(EveryWindow, AltWithAnAccessKeyPressesItsButtonOrFocusesItsField)
{
    dialogs->answerAnyBox();
    for (QWidget* control : controls) {
        if (!control->isVisibleTo(window) || !control->isEnabled())
            continue;
        auto* button = qobject_cast<QAbstractButton*>(control);
        auto* label = qobject_cast<QLabel*>(control);
        const QString caption = button != nullptr ? button->text() : label != nullptr ? label->text() : QString();
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (key.isEmpty() || (label != nullptr && label->buddy() == nullptr))
            continue;
        SCOPED_TRACE(Name(control) + " " + key.toString().toStdString());
        const QKeyCombination combination = key[0];
        if (button != nullptr) {
            QSignalSpy pressed(button, &QAbstractButton::pressed);
            QTest::keyClick(window, combination.key(), combination.keyboardModifiers());
            EXPECT_EQ(pressed.count(), 1);
            // The key's click comes a moment later; this check only wants the press.
            button->blockSignals(true);
        } else {
            QTest::keyClick(window, combination.key(), combination.keyboardModifiers());
            EXPECT_EQ(QApplication::focusWidget(), label->buddy());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Known, EveryWindow, ::testing::ValuesIn(testing::KnownForms()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
} // namespace zentaro::shell
