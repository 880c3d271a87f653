#include "widgets/handler.h"

#include "conventions/runtime_error.h"
#include "widgets/message_box.h"
#include "widgets/working_log.h"

#include <QPointer>
#include <QWidget>

#include <new>

namespace zentaro::widgets {
namespace {

void Report(QWidget* window, int number, const QString& text)
{
    // The working of a calculation that stopped ends with what stopped it.
    WorkingLogOf(window)->endHandler(QStringLiteral("Run-time error '%1': %2").arg(number).arg(text));
    MessageBox(window, QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(text), msgstyle::kStop);
}

} // namespace

void RunHandler(QWidget* window, const std::function<void()>& handler)
{
    // A handler that waits for the user (a message box, a progress dialog) may
    // see its window closed and deleted meanwhile: nothing more is done for a
    // window that has gone.
    const QPointer<QWidget> alive(window);
    const QPointer<WorkingLog> log = WorkingLogOf(window);
    log->beginHandler();
    try {
        handler();
        if (!log.isNull())
            log->endHandler();
    } catch (const RuntimeError& error) {
        if (!alive.isNull())
            Report(window, error.number(), QString::fromUtf8(error.what()));
    } catch (const std::bad_alloc&) {
        if (!alive.isNull())
            Report(window, 7, QStringLiteral("Out of memory"));
    }
}

} // namespace zentaro::widgets
