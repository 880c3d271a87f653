#include "widgets/focus_events.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace zentaro::widgets {
namespace {

bool IsWindowSystemChange(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

class ClickSelectsAll : public QObject {
public:
    explicit ClickSelectsAll(QLineEdit* field) : QObject(field), field_(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == field_ && event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // The window opening gives its first field the focus: typing at once
            // replaces the text too.
            if (!focusedBefore_ && reason == Qt::ActiveWindowFocusReason)
                field_->selectAll();
            focusedBefore_ = true;
            clicked_ = reason == Qt::MouseFocusReason;
            if (clicked_)
                selectAfterThePress();
        } else if (watched == field_ && event->type() == QEvent::MouseButtonPress && !clicked_) {
            // The field had the focus already (the window opened with it, or Tab
            // brought it): the first click into it still means "type here anew".
            clicked_ = true;
            selectAfterThePress();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The press that gave the focus still places the cursor after this, so the
    // selection waits until it has been handled.
    void selectAfterThePress() { QTimer::singleShot(0, field_, &QLineEdit::selectAll); }

    QLineEdit* field_;
    bool focusedBefore_ = false;
    bool clicked_ = false;
};

} // namespace

FieldFocus::FieldFocus(QWidget* field) : QObject(field), field_(field)
{
    field->installEventFilter(this);
    // A modal box over the window blocks it; that is how a handler's box shows.
    field->window()->installEventFilter(this);
}

bool FieldFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == field_ && event->type() == QEvent::FocusIn) {
        if (!holds_) {
            holds_ = true;
            emit entered();
        }
    } else if (watched == field_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (!IsWindowSystemChange(reason))
            leave(reason);
    } else if (watched == field_->window() && event->type() == QEvent::WindowBlocked) {
        ++boxesOpened_;
    } else if (watched == pendingClick_ && event->type() == QEvent::MouseButtonPress) {
        QAbstractButton* button = pendingClick_;
        const bool drop = dropPendingClick_;
        forgetPendingClick();
        if (!drop)
            button->click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FieldFocus::leave(Qt::FocusReason reason)
{
    holds_ = false;
    // The control the focus goes to is already the application's focus widget.
    QPointer<QWidget> target = QApplication::focusWidget();
    const int boxesBefore = boxesOpened_;
    emit left();
    auto* button = qobject_cast<QAbstractButton*>(target.data());
    if (reason != Qt::MouseFocusReason || boxesOpened_ == boxesBefore || button == nullptr)
        return;
    // The press that moved the focus reaches the button right after this returns;
    // should it not, nothing is left waiting for a later one.
    forgetPendingClick();
    pendingClick_ = button;
    dropPendingClick_ = qobject_cast<QPushButton*>(button) != nullptr;
    button->installEventFilter(this);
    QTimer::singleShot(0, this, &FieldFocus::forgetPendingClick);
}

void FieldFocus::forgetPendingClick()
{
    if (pendingClick_ != nullptr)
        pendingClick_->removeEventFilter(this);
    pendingClick_ = nullptr;
}

void SelectAllOnClick(QLineEdit* field)
{
    new ClickSelectsAll(field);
}

} // namespace zentaro::widgets
