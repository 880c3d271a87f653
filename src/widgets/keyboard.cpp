#include "widgets/keyboard.h"

#include "widgets/focus_events.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace zentaro::widgets {
namespace {

bool IsInputField(const QWidget* widget)
{
    const auto* line = qobject_cast<const QLineEdit*>(widget);
    return line != nullptr && !line->isReadOnly();
}

bool IsTabStop(const QWidget* widget, const QWidget* window)
{
    return widget != window && window->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) &&
           widget->isVisibleTo(window) && widget->isEnabled();
}

// Clear buttons are named so in every form ("clearcmd"); their caption is the user's text, not a name.
bool IsClearButton(const QAbstractButton* button)
{
    return button->objectName().startsWith(QLatin1String("clear"), Qt::CaseInsensitive);
}

bool InSameRow(const QWidget* a, const QWidget* b)
{
    const int aTop = a->mapTo(a->window(), QPoint(0, 0)).y();
    const int bTop = b->mapTo(b->window(), QPoint(0, 0)).y();
    const int aMiddle = aTop + a->height() / 2;
    const int bMiddle = bTop + b->height() / 2;
    return (aTop <= bMiddle && bMiddle < aTop + a->height()) || (bTop <= aMiddle && aMiddle < bTop + b->height());
}

bool IsLeftOf(const QWidget* a, const QWidget* b)
{
    return a->mapTo(a->window(), QPoint(0, 0)).x() < b->mapTo(b->window(), QPoint(0, 0)).x();
}

QPushButton* LeadingButton(QWidget* field)
{
    const QWidget* window = field->window();
    for (QWidget* w = field->previousInFocusChain(); w != field && w != window; w = w->previousInFocusChain()) {
        if (!IsTabStop(w, window) || IsInputField(w))
            continue;
        auto* button = qobject_cast<QPushButton*>(w);
        return button != nullptr && InSameRow(button, field) && IsLeftOf(button, field) ? button : nullptr;
    }
    return nullptr;
}

QPushButton* NextButton(QWidget* field)
{
    const QWidget* window = field->window();
    for (QWidget* w = field->nextInFocusChain(); w != field && w != window; w = w->nextInFocusChain()) {
        if (auto* button = qobject_cast<QPushButton*>(w); button != nullptr && IsTabStop(button, window))
            return button;
    }
    return nullptr;
}

bool IsEnter(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

// Tells whether a modal box opened over a window while it lived.
class BoxWatch : public QObject {
public:
    explicit BoxWatch(QWidget* window) : window_(window) { window_->installEventFilter(this); }
    ~BoxWatch() override { window_->removeEventFilter(this); }
    bool opened() const { return opened_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::WindowBlocked)
            opened_ = true;
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    bool opened_ = false;
};

// Sees the keys that the focused control leaves unused: they travel up to the window.
class EnterKeys : public QObject {
public:
    EnterKeys(QWidget* window, QAbstractButton* ok) : QObject(window), window_(window), ok_(ok)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_ || event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool escape = key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
        if (!IsEnter(key) && !(escape && ok_ != nullptr))
            return QObject::eventFilter(watched, event);
        // Holding the key down presses once, not once per repeat.
        if (key->isAutoRepeat())
            return true;
        QWidget* focus = QApplication::focusWidget();
        QAbstractButton* target = escape ? ok_.data() : Target(focus);
        if (target == nullptr || !target->isEnabled())
            return true;
        // A field that checks itself when it is left is left first, as a click
        // on the button would leave it; other fields keep the focus for more typing.
        // When the field refuses its text in a message box, the button is not
        // pressed, as a click that left it would not be: the person was told the
        // field was wrong and never asked for a result from what it holds now.
        if (focus != target && focus != nullptr && focus->findChild<FieldFocus*>() != nullptr) {
            const BoxWatch watch(window_);
            target->setFocus(Qt::OtherFocusReason);
            if (watch.opened())
                return true;
        }
        target->click();
        return true;
    }

private:
    QAbstractButton* Target(QWidget* focus) const
    {
        if (focus != nullptr && window_->isAncestorOf(focus)) {
            if (auto* button = qobject_cast<QAbstractButton*>(focus))
                return button;
            if (IsInputField(focus))
                return ButtonForField(focus);
        }
        return ok_;
    }

    QWidget* window_;
    QPointer<QAbstractButton> ok_;
};

} // namespace

void PressButtonsWithEnter(QWidget* window, QAbstractButton* ok)
{
    new EnterKeys(window, ok);
}

QAbstractButton* ButtonForField(QWidget* field)
{
    QPushButton* button = LeadingButton(field);
    if (button == nullptr)
        button = NextButton(field);
    return button != nullptr && !IsClearButton(button) ? button : nullptr;
}

} // namespace zentaro::widgets
