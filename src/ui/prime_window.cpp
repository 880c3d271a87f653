#include "ui/prime_window.h"

#include "conventions/runtime_error.h"
#include "numbers/primes.h"
#include "ui/prime_list_text.h"
#include "widgets/handler.h"
#include "widgets/message_box.h"
#include "widgets/modal_progress.h"
#include "widgets/qt_text.h"
#include "widgets/window_setup.h"

#include <QPointer>

namespace zentaro::ui {

PrimeWindow::PrimeWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    widgets::MakeCalculatorWindow(this);
    widgets::ConnectClick(primegen, this, &PrimeWindow::primegen_Click);
}

// The whole application waits for the listing, which is over once the list is
// shown: showing the compact list takes no time. Cancel or Escape in the
// progress dialog shows the primes found so far; closing the window stops the
// listing, and nothing of the window is touched after it has gone.
void PrimeWindow::primegen_Click()
{
    // A click that reaches the button while its own listing runs (from a
    // script: the user cannot) starts nothing.
    if (listing_)
        return;
    struct Listing {
        QPointer<PrimeWindow> window;
        explicit Listing(PrimeWindow* w) : window(w) { w->listing_ = true; }
        ~Listing()
        {
            if (!window.isNull())
                window->listing_ = false;
        }
    } listing(this);
    primestxt->clear();
    widgets::ModalProgress progress(this, QStringLiteral("Generating prime numbers ..."), progressDelay_);
    numbers::primes::PrimeList list = numbers::primes::primelist(
        widgets::ToUtf8(startnum->text()), widgets::ToUtf8(endnum->text()), widgets::MessageCallback(this),
        [&progress](std::int64_t done, std::int64_t total) { return progress.report(done, total); });
    if (progress.ownerClosed())
        return;
    progress.finish();
    const bool overflow = list.overflow;
    primestxt->setText(std::make_shared<PrimeListText>(std::move(list)));
    if (overflow)
        Raise(ErrorCode::Overflow);
}

} // namespace zentaro::ui
