#include "widgets/focus_events.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

namespace zentaro::widgets {
namespace {

bool IsWindowSystemChange(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

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
        forgetPendingClick();
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
    button->installEventFilter(this);
    QTimer::singleShot(0, this, &FieldFocus::forgetPendingClick);
}

void FieldFocus::forgetPendingClick()
{
    if (pendingClick_ != nullptr)
        pendingClick_->removeEventFilter(this);
    pendingClick_ = nullptr;
}

} // namespace zentaro::widgets
