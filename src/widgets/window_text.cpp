#include "widgets/window_text.h"

#include "widgets/handler.h"
#include "widgets/long_text_field.h"
#include "widgets/message_box.h"
#include "widgets/window_setup.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace zentaro::widgets {
namespace {

// How far a caption may stand beside or above what it names; how close an
// operator stands to the field before it ("x +" in "2 x + 3 y = 8"), and two
// labels to be read as one caption (a sigma drawn apart from its "x =").
constexpr int kCaptionBeside = 48;
constexpr int kCaptionAbove = 24;
constexpr int kTouching = 5;

bool IsAnswerLabel(const QWidget* control)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    return label != nullptr && (label->textInteractionFlags() & Qt::TextSelectableByKeyboard);
}

bool HasWords(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

std::vector<QWidget*> Siblings(const QWidget* control)
{
    std::vector<QWidget*> siblings;
    for (QWidget* sibling : control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != control && !sibling->isWindow() && sibling->isVisibleTo(control->window()))
            siblings.push_back(sibling);
    }
    return siblings;
}

// The sibling ending nearest to the left of `control` in its row, within `gap`.
QWidget* LeftNeighbour(const QWidget* control, int gap)
{
    QWidget* nearest = nullptr;
    const int middle = control->geometry().center().y();
    for (QWidget* sibling : Siblings(control)) {
        const int distance = control->x() - sibling->geometry().right();
        if (sibling->y() > middle || sibling->geometry().bottom() < middle || distance <= -kTouching || distance > gap)
            continue;
        if (nearest == nullptr || sibling->geometry().right() > nearest->geometry().right())
            nearest = sibling;
    }
    return nearest;
}

// A caption over a field starts where the field starts.
const QLabel* LabelAbove(const QWidget* control)
{
    const QRect c = control->geometry();
    for (const QWidget* sibling : Siblings(control)) {
        const QRect l = sibling->geometry();
        const int gap = c.top() - l.bottom();
        if (qobject_cast<const QLabel*>(sibling) != nullptr && std::abs(l.left() - c.left()) <= kTouching &&
            gap > -kTouching && gap <= kCaptionAbove)
            return static_cast<const QLabel*>(sibling);
    }
    return nullptr;
}

// The label in front of or above `control` when it names it: text with a
// letter or a digit that is no operator between two fields (the "i +" of
// "1 i + 2 j"), and not itself an answer.
QString LabelCaption(const QWidget* control)
{
    const QWidget* beside = LeftNeighbour(control, kCaptionBeside);
    const QLabel* label = qobject_cast<const QLabel*>(beside);
    if (beside == nullptr)
        label = LabelAbove(control);
    if (label == nullptr || IsAnswerLabel(label) || !HasWords(ShownCaption(label)))
        return {};
    QString caption = ShownCaption(label);
    const QWidget* before = LeftNeighbour(label, kCaptionBeside);
    while (const auto* joined = qobject_cast<const QLabel*>(before)) {
        if (label->x() - joined->geometry().right() > kTouching)
            break;
        caption.prepend(ShownCaption(joined));
        label = joined;
        before = LeftNeighbour(label, kCaptionBeside);
    }
    const bool isOperator =
        before != nullptr && IsTextField(before) && label->x() - before->geometry().right() <= kTouching;
    return isOperator ? QString() : caption;
}

QString FrameCaption(const QWidget* control)
{
    for (const QWidget* w = control->parentWidget(); w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const QGroupBox*>(w) != nullptr && !ShownCaption(w).isEmpty())
            return ShownCaption(w);
    }
    return {};
}

QString Caption(const QWidget* control)
{
    QString caption = IsAnswerLabel(control) ? QString() : LabelCaption(control);
    if (caption.isEmpty())
        caption = FrameCaption(control);
    static const QRegularExpression closing(QStringLiteral("[\\s=:]+$"));
    return caption.remove(closing);
}

// What a control contributes to the window's text, or nothing.
QString Value(const QWidget* control)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    if (const auto* area = qobject_cast<const QPlainTextEdit*>(control))
        return area->property("plainText").toString();
    if (const auto* option = qobject_cast<const QRadioButton*>(control))
        return option->isChecked() ? ShownCaption(option) : QString();
    if (IsAnswerLabel(control))
        return ShownCaption(control);
    return {};
}

// Out of sight: below the window's bottom edge, as the results of a window that
// has shrunk back to its inputs are, or under a control drawn over it.
bool OutOfSight(const QWidget* control, const QWidget* window)
{
    if (control->mapTo(window, QPoint(0, 0)).y() >= window->height())
        return true;
    for (const QWidget* w = control; w != window; w = w->parentWidget()) {
        const QObjectList& stack = w->parentWidget()->children();
        for (qsizetype i = stack.indexOf(w) + 1; i < stack.size(); ++i) {
            const auto* above = qobject_cast<const QWidget*>(stack[i]);
            if (above != nullptr && !above->isWindow() && above->isVisibleTo(window) &&
                above->geometry().contains(w->geometry().center()))
                return true;
        }
    }
    return false;
}

} // namespace

QString WindowText(QWidget* window)
{
    QStringList lines;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        const bool shown = (w->focusPolicy() & Qt::TabFocus) || IsAnswerLabel(w);
        if (!window->isAncestorOf(w) || !shown || !w->isVisibleTo(window) || OutOfSight(w, window))
            continue;
        const QString value = Value(w);
        if (value.isEmpty())
            continue;
        const QString caption = Caption(w);
        lines << (caption.isEmpty() ? value : caption + QStringLiteral(": ") + value);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void AddCopyAll(QWidget* window)
{
    auto* copyAll = new QAction(QStringLiteral("Copy all"), window);
    copyAll->setObjectName(QStringLiteral("copyall"));
    copyAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAll->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(copyAll, &QAction::triggered, window, [window] {
        // A window with a list of millions in it is copied only when the user
        // agrees, and a text too long to hold is a run-time error.
        RunHandler(window, [window] {
            qsizetype length = 0;
            for (const LongTextField* field : window->findChildren<LongTextField*>())
                length += field->text().size();
            if (length > LongTextField::kAskBeforeCopying &&
                MessageBox(window, QStringLiteral("The selection is %1 characters long. Copy it anyway?").arg(length),
                           msgstyle::kYesNo + msgstyle::kQuestion) != MessageAnswer::Yes)
                return;
            QGuiApplication::clipboard()->setText(WindowText(window));
        });
    });
    window->addAction(copyAll);
}

void MakeAnswersSelectable(QWidget* window, std::initializer_list<QLabel*> answers)
{
    for (QLabel* label : answers) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        label->setFocusPolicy(Qt::StrongFocus);
    }
    const std::vector<QWidget*> chain = ReadingOrder(window);
    for (std::size_t i = 1; i < chain.size(); ++i) {
        if (std::find(answers.begin(), answers.end(), chain[i]) != answers.end())
            QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

} // namespace zentaro::widgets
