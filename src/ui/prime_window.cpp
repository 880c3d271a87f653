#include "ui/prime_window.h"

#include "conventions/runtime_error.h"
#include "numbers/primes.h"
#include "shell/handler.h"
#include "shell/message_box.h"
#include "ui/window_setup.h"

#include <QProgressDialog>
#include <QTextDocument>

namespace zentaro::ui {
namespace {

// The progress of one listing. QProgressDialog estimates the whole time from the
// first reports and shows itself when that passes the delay; once shown, each
// report lets the application handle its events, Cancel included. It is modal to
// the application, so no window can be closed under the listing.
class ListingProgress {
public:
    ListingProgress(QWidget* window, int delayMilliseconds) : dialog_(window)
    {
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setWindowTitle(window->windowTitle());
        dialog_.setLabelText(QStringLiteral("Generating prime numbers ..."));
        dialog_.setRange(0, kSteps);
        dialog_.setMinimumDuration(delayMilliseconds);
    }

    // Whether to go on.
    bool report(std::int64_t done, std::int64_t total)
    {
        // The dialog acts only when the value changes, which bounds how often the
        // events are handled in a long listing.
        dialog_.setValue(total > 0 ? static_cast<int>(done * kSteps / total) : kSteps);
        return !dialog_.wasCanceled();
    }

    void finish() { dialog_.hide(); }

private:
    static constexpr int kSteps = 1000;
    QProgressDialog dialog_;
};

} // namespace

PrimeWindow::PrimeWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    MakeCalculatorWindow(this);
    shell::ConnectClick(primegen, this, &PrimeWindow::primegen_Click);
}

void PrimeWindow::primegen_Click()
{
    primestxt->clear();
    ListingProgress progress(this, progressDelay_);
    const numbers::primes::PrimeList list = numbers::primes::primelist(
        startnum->text().toStdString(), endnum->text().toStdString(), shell::MessageCallback(this),
        [&progress](std::int64_t done, std::int64_t total) { return progress.report(done, total); });
    progress.finish();
    // Built once and shown once: the text reaches the field's document in one
    // change (setPlainText would make a second one to restyle it all).
    primestxt->showText(QString::fromUtf8(list.text.data(), static_cast<qsizetype>(list.text.size())));
    if (list.overflow)
        Raise(ErrorCode::Overflow);
}

} // namespace zentaro::ui
