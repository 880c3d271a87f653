#include "widgets/working_log.h"

#include <QWidget>

namespace zentaro::widgets {

WorkingLog::WorkingLog(QWidget* window) : QObject(window)
{
    setObjectName(QStringLiteral("workinglog"));
}

Working WorkingLog::recorder()
{
    recording_ = true;
    return Working(pending_);
}

// A handler can run inside another one (a message box lets a focus check run),
// so only the outermost owns the working.
void WorkingLog::beginHandler()
{
    if (depth_++ > 0)
        return;
    pending_.clear();
    recording_ = false;
}

void WorkingLog::endHandler(const QString& error)
{
    if (depth_ == 0 || --depth_ > 0 || !recording_)
        return;
    recording_ = false;
    // Asking for a recorder is not yet a calculation: an entry cancelled before
    // its first value keeps the working of the last one, as the window keeps its answers.
    if (pending_.empty() && error.isEmpty())
        return;
    if (!error.isEmpty())
        pending_.push_back(error.toStdString());
    lines_.swap(pending_);
    pending_.clear();
    emit changed();
}

WorkingLog* WorkingLogOf(QWidget* window)
{
    auto* log = window->findChild<WorkingLog*>(QStringLiteral("workinglog"), Qt::FindDirectChildrenOnly);
    return log != nullptr ? log : new WorkingLog(window);
}

} // namespace zentaro::widgets
