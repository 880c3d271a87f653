#include "widgets/modal_progress.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentaro::widgets {
namespace {

constexpr int kSteps = 1000;
// Events are handled at most this often, which keeps the dialog lively and costs the work nothing.
constexpr int kEventsEveryMilliseconds = 15;
// The work of this long is enough to tell how long the whole will take.
constexpr int kEstimateAfterMilliseconds = 50;

} // namespace

// A plain window with a dialog's frame: no button of it is a default that Enter
// would press, and Escape, like its close box, means Cancel rather than hiding it.
class ModalProgress::Dialog : public QWidget {
public:
    Dialog(QWidget* window, const QString& label) : QWidget(window, Qt::Dialog)
    {
        setWindowModality(Qt::ApplicationModal);
        setWindowTitle(window->windowTitle());
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(label, this));
        bar_ = new QProgressBar(this);
        bar_->setRange(0, kSteps);
        layout->addWidget(bar_);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
        connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
        layout->addWidget(cancel, 0, Qt::AlignRight);
        setMinimumWidth(300);
        adjustSize();
        move(window->frameGeometry().center() - rect().center());
    }

    bool cancelled() const { return cancelled_; }
    void setValue(int value) { bar_->setValue(value); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape)
            cancelled_ = true;
        else
            QWidget::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        cancelled_ = true;
        event->ignore();
    }

private:
    QProgressBar* bar_ = nullptr;
    bool cancelled_ = false;
};

ModalProgress::ModalProgress(QWidget* owner, QString label, int delayMilliseconds)
    : owner_(owner), label_(std::move(label)), delay_(delayMilliseconds), ownerWasVisible_(owner->isVisible())
{
    started_.start();
}

ModalProgress::~ModalProgress()
{
    finish();
}

void ModalProgress::finish()
{
    delete dialog_.data();
}

bool ModalProgress::ownerClosed() const
{
    return owner_.isNull() || (ownerWasVisible_ && !owner_->isVisible());
}

// Once the delay has passed, or earlier when the work so far tells that the
// whole will take longer than the delay.
bool ModalProgress::looksLong(qint64 done, qint64 total) const
{
    const qint64 elapsed = started_.elapsed();
    return elapsed >= delay_ ||
           (done > 0 && elapsed >= kEstimateAfterMilliseconds &&
            static_cast<double>(elapsed) * static_cast<double>(total) / static_cast<double>(done) >= delay_);
}

bool ModalProgress::report(qint64 done, qint64 total)
{
    if (!stopped_ && ownerClosed())
        stopped_ = true;
    if (!stopped_ && dialog_.isNull() && done < total && looksLong(done, total)) {
        dialog_ = new Dialog(owner_->window(), label_);
        dialog_->show();
        sinceEvents_.invalidate();
    }
    if (!stopped_ && !dialog_.isNull()) {
        dialog_->setValue(total > 0 ? static_cast<int>(done * kSteps / total) : kSteps);
        if (!sinceEvents_.isValid() || sinceEvents_.elapsed() >= kEventsEveryMilliseconds) {
            // The window of the owner may be closed or deleted in here: nothing
            // of it is touched before it has been looked for again.
            QCoreApplication::processEvents();
            sinceEvents_.start();
        }
        stopped_ = dialog_.isNull() || dialog_->cancelled() || ownerClosed();
    }
    if (stopped_ && !dialog_.isNull())
        dialog_->hide();
    return !stopped_;
}

} // namespace zentaro::widgets
