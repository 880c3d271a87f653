#include "ui/prime_window.h"

#include "conventions/runtime_error.h"
#include "numbers/primes.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"

#include <QProgressDialog>

namespace zentaro::ui {
namespace {

// The progress of one click: finding the primes, then showing them. QProgressDialog
// estimates the whole time from the first reports and shows itself when that
// passes the delay; once shown, each report lets the application handle its
// events. Cancel stops the finding; the primes found so far are still shown. It
// is modal to the application, so no window can be closed under the click.
class ListingProgress {
public:
    ListingProgress(QWidget* window, int delayMilliseconds) : dialog_(window)
    {
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setWindowTitle(window->windowTitle());
        dialog_.setLabelText(QStringLiteral("Generating prime numbers ..."));
        dialog_.setRange(0, 2 * kSteps);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        dialog_.setMinimumDuration(delayMilliseconds);
    }
    ~ListingProgress() { dialog_.hide(); }

    // Whether to go on finding primes.
    bool found(std::int64_t done, std::int64_t total)
    {
        // The dialog acts only when the value changes, which bounds how often the
        // events are handled.
        dialog_.setValue(Step(done, total));
        return !dialog_.wasCanceled();
    }

    void shown(qsizetype done, qsizetype total)
    {
        if (!showing_) {
            showing_ = true;
            dialog_.setLabelText(QStringLiteral("Showing the prime numbers ..."));
            dialog_.setCancelButton(nullptr);
        }
        dialog_.setValue(kSteps + Step(done, total));
    }

private:
    static constexpr int kSteps = 1000;
    static int Step(std::int64_t done, std::int64_t total)
    {
        return total > 0 ? static_cast<int>(done * kSteps / total) : kSteps;
    }

    QProgressDialog dialog_;
    bool showing_ = false;
};

} // namespace

PrimeWindow::PrimeWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(primegen, this, &PrimeWindow::primegen_Click);
}

void PrimeWindow::primegen_Click()
{
    primestxt->clear();
    numbers::primes::PrimeList list;
    {
        ListingProgress progress(this, progressDelay_);
        list = numbers::primes::primelist(
            widgets::ToUtf8(startnum->text()), widgets::ToUtf8(endnum->text()), widgets::MessageCallback(this),
            [&progress](std::int64_t done, std::int64_t total) { return progress.found(done, total); });
        // Built once and shown once.
        primestxt->showText(list.text, [&progress](qsizetype done, qsizetype total) { progress.shown(done, total); });
    }
    if (list.overflow)
        Raise(ErrorCode::Overflow);
}

} // namespace zentaro::ui
