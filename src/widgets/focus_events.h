#pragma once

#include <QAbstractButton>
#include <QObject>
#include <QPointer>

class QLineEdit;
class QWidget;

namespace zentaro::widgets {

// The focus changes of one field that a person makes: Tab, Shift+Tab, a click
// into another control. A message box opening over the window, or another window
// being activated, takes the focus away and gives it back without the person
// having left the field; those changes are not reported.
//
// When the field is left by a click on an option button and the `left` handler
// opens a message box, the box swallows the mouse release, so the option would
// never see its click; the click is then handled as soon as the box has closed,
// after the handler, as it would have been without the box. A click on a push
// button is dropped instead: the box told the person that the field was wrong,
// and a command carried out on what the field holds now was never asked for.
class FieldFocus : public QObject {
    Q_OBJECT

public:
    // Watches `field`, which owns the watcher.
    explicit FieldFocus(QWidget* field);

signals:
    // The field has the focus, coming from another control.
    void entered();
    // The person moved the focus away from the field.
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leave(Qt::FocusReason reason);
    void forgetPendingClick();

    QWidget* field_;
    bool holds_ = false;
    int boxesOpened_ = 0;
    QPointer<QAbstractButton> pendingClick_;
    bool dropPendingClick_ = false;
};

// A field that opens holding a default text ("0", "xxxxx", "dd/mm/yyyy") is there
// to be typed over: the first click into it after it got the focus selects its
// whole text, as Tab does, and so does the window opening with the focus in it,
// so that typing -1 over a "0" gives -1 and not 0-1. A second click places the
// cursor as usual.
void SelectAllOnClick(QLineEdit* field);

} // namespace zentaro::widgets
