#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace zentaro::widgets {

// Long work inside a handler, while the whole application waits for it. Once the
// work takes, or looks like taking, longer than `delay`, an application-modal
// dialog shows how far it has got, with Cancel; only while that dialog is up are
// events handled between steps, so that the dialog answers and nothing else can
// start. Cancel, Escape and the dialog's close box stop the work, and so does
// closing, hiding or deleting the window of `owner`: the caller reports after
// each step and stops at false, and then touches nothing of a window that may be
// gone.
class ModalProgress {
public:
    ModalProgress(QWidget* owner, QString label, int delayMilliseconds);
    ~ModalProgress();
    ModalProgress(const ModalProgress&) = delete;
    ModalProgress& operator=(const ModalProgress&) = delete;

    // Whether to go on, with `done` of `total` steps done.
    bool report(qint64 done, qint64 total);
    // The owner's window was closed, hidden or deleted since the work began:
    // the caller leaves it alone.
    bool ownerClosed() const;
    // Takes the dialog away, once the work is over.
    void finish();

private:
    class Dialog;

    bool looksLong(qint64 done, qint64 total) const;

    QPointer<QWidget> owner_;
    QPointer<Dialog> dialog_;
    QString label_;
    int delay_;
    bool ownerWasVisible_;
    QElapsedTimer started_;
    QElapsedTimer sinceEvents_;
    bool stopped_ = false;
};

} // namespace zentaro::widgets
