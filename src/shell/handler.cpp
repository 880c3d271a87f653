#include "shell/handler.h"

#include "conventions/runtime_error.h"
#include "shell/message_box.h"

#include <QWidget>

#include <new>

namespace zentaro::shell {
namespace {

void Report(QWidget* window, int number, const QString& text)
{
    MessageBox(window, QStringLiteral("Run-time error '%1':\n\n%2").arg(number).arg(text), msgstyle::kStop);
}

} // namespace

void RunHandler(QWidget* window, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& error) {
        Report(window, error.number(), QString::fromUtf8(error.what()));
    } catch (const std::bad_alloc&) {
        Report(window, 7, QStringLiteral("Out of memory"));
    }
}

} // namespace zentaro::shell
