#pragma once

#include "conventions/working.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QWidget;

namespace zentaro::widgets {

// The working of the last calculation a calculator window carried out: the
// steps its computations recorded, and the run-time error that stopped them,
// if one did. Every window has one (WorkingLogOf); the Working window reads it
// and follows its `changed` signal.
class WorkingLog : public QObject {
    Q_OBJECT

public:
    explicit WorkingLog(QWidget* window);

    // What the Working window says before any calculation, e.g. which button to press.
    void setHint(const QString& hint) { hint_ = hint; }
    const QString& hint() const { return hint_; }

    // The steps shown now; empty before the first calculation that recorded any.
    const std::vector<std::string>& lines() const { return lines_; }

    // A recorder for the handler now running. The first step it records replaces
    // the working of the previous calculation; a handler that records nothing
    // (a focus check, a Clear) leaves it as it was.
    Working recorder();

    // Called by the handler dispatcher around each handler.
    void beginHandler();
    void endHandler(const QString& error = {});

signals:
    void changed();

private:
    std::vector<std::string> lines_;
    std::vector<std::string> pending_;
    QString hint_;
    bool recording_ = false;
    int depth_ = 0;
};

// The window's log, made on first use.
WorkingLog* WorkingLogOf(QWidget* window);

// The recorder a handler of `window` passes to its computations.
inline Working RecordWorking(QWidget* window)
{
    return WorkingLogOf(window)->recorder();
}

} // namespace zentaro::widgets
