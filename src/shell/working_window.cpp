#include "shell/working_window.h"

#include "widgets/qt_text.h"
#include "widgets/window_setup.h"
#include "widgets/working_log.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QScreen>

#include <algorithm>

namespace zentaro::shell {
namespace {

// Between the calculator's frame and this one's.
constexpr int kGap = 8;
// The width below which the working's lines would wrap too often to read.
constexpr int kNarrowest = 320;

const QString kNoWorking = QStringLiteral("This calculator does not show its working.");

bool HasWorking(const QObject* object)
{
    const auto* window = qobject_cast<const QWidget*>(object);
    return window != nullptr && window->isWindow() && widgets::ShowWorkingAction(window) != nullptr;
}

} // namespace

WorkingWindow::WorkingWindow(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    setWindowFlag(Qt::Window);
    // Column sums and the carries above them line up only in a fixed-pitch face.
    workingtxt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    widgets::DescribeControls(this);
    connect(copyallcmd, &QPushButton::clicked, this, &WorkingWindow::copyallcmd_Click);
    // Activation reaches each top-level window as an event, whichever way it
    // comes (a click, the keyboard, the window manager).
    qApp->installEventFilter(this);
    if (HasWorking(QApplication::activeWindow()))
        follow(QApplication::activeWindow());
}

void WorkingWindow::follow(QWidget* calculator)
{
    if (calculator != calculator_) {
        disconnect(logChanged_);
        disconnect(calculatorGone_);
        calculator_ = calculator;
        if (calculator != nullptr) {
            logChanged_ = connect(widgets::WorkingLogOf(calculator), &widgets::WorkingLog::changed, this,
                                  &WorkingWindow::showWorking);
            // A closed calculator's working is of no more use.
            calculatorGone_ = connect(calculator, &QObject::destroyed, this, [this] { follow(nullptr); });
        }
    }
    showWorking();
}

void WorkingWindow::placeBeside(const QWidget* calculator)
{
    const QScreen* screen = calculator->screen();
    if (screen == nullptr)
        return;
    const QRect room = screen->availableGeometry();
    const QRect beside = calculator->frameGeometry();
    // Not shown yet, this window has no frame to measure: it will get one like the calculator's.
    const int frame = beside.width() - calculator->width();
    const int rightRoom = room.right() - beside.right() - kGap;
    const int leftRoom = beside.left() - kGap - room.left();
    int outer = width() + frame;
    const bool right = rightRoom >= outer || (leftRoom < outer && rightRoom >= leftRoom);
    // Where neither side has room, the wider side gets a narrower window rather than one over the calculator.
    if (std::max(rightRoom, leftRoom) < outer) {
        outer = std::max(std::max(rightRoom, leftRoom), kNarrowest + frame);
        resize(outer - frame, height());
    }
    const int x = right ? beside.right() + 1 + kGap : beside.left() - kGap - outer;
    move(std::clamp(x, room.left(), std::max(room.left(), room.right() + 1 - outer)),
         std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
}

bool WorkingWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && watched != this && HasWorking(watched))
        follow(static_cast<QWidget*>(watched));
    return QWidget::eventFilter(watched, event);
}

void WorkingWindow::showWorking()
{
    if (calculator_ == nullptr) {
        workingtxt->clear();
        return;
    }
    const widgets::WorkingLog* log = widgets::WorkingLogOf(calculator_);
    if (log->lines().empty()) {
        // A calculator that says nothing before its first answer has no working to give.
        workingtxt->setPlainText(log->hint().isEmpty() ? kNoWorking : log->hint());
        return;
    }
    QStringList lines;
    for (const std::string& line : log->lines())
        lines << widgets::FromUtf8(line);
    workingtxt->setPlainText(lines.join(QLatin1Char('\n')));
}

void WorkingWindow::copyallcmd_Click()
{
    QGuiApplication::clipboard()->setText(workingtxt->toPlainText());
}

} // namespace zentaro::shell
