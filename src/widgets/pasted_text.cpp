#include "widgets/pasted_text.h"

#include "widgets/handler.h"
#include "widgets/qt_text.h"

#include <QAction>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWidget>

namespace zentaro::widgets {
namespace {

// The first dropped file that holds text a spreadsheet or an editor saves, or "".
QString TextFile(const QMimeData* data)
{
    for (const QUrl& url : data->urls()) {
        const QString suffix = QFileInfo(url.fileName()).suffix().toLower();
        if (url.isLocalFile() &&
            (suffix == QLatin1String("txt") || suffix == QLatin1String("csv") || suffix == QLatin1String("tsv")))
            return url.toLocalFile();
    }
    return {};
}

void Paste(QWidget* window, const std::function<void(std::string_view)>& paste, const QByteArray& text)
{
    RunHandler(window, [&] { paste(std::string_view(text.constData(), static_cast<std::size_t>(text.size()))); });
}

// Drops come to the window when the control under the pointer takes none.
class FileDrops : public QObject {
public:
    FileDrops(QWidget* window, std::function<void(std::string_view)> paste)
        : QObject(window), window_(window), paste_(std::move(paste))
    {
        window->setAcceptDrops(true);
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (TextFile(drag->mimeData()).isEmpty())
                drag->ignore();
            else
                drag->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            QFile file(TextFile(drop->mimeData()));
            QByteArray text = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            drop->acceptProposedAction();
            // The program the file came from waits for the drop to end: the
            // entry, with any box it opens, runs once it has.
            QMetaObject::invokeMethod(
                this, [this, text = std::move(text)] { Paste(window_, paste_, text); }, Qt::QueuedConnection);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    std::function<void(std::string_view)> paste_;
};

} // namespace

void AcceptPastedText(QWidget* window, std::function<void(std::string_view text)> paste)
{
    auto* drops = new FileDrops(window, paste);
    auto* action = new QAction(QStringLiteral("Paste data"), window);
    action->setObjectName(QStringLiteral("pastedata"));
    action->setShortcuts(QKeySequence::Paste);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, drops,
                     [window, paste] { Paste(window, paste, QGuiApplication::clipboard()->text().toUtf8()); });
    window->addAction(action);
}

std::function<void(std::string_view)> EntryListField::show()
{
    return [this](std::string_view text) {
        text_ = text;
        pending_ = true;
    };
}

AskInput EntryListField::beforeAsking(AskInput ask)
{
    return [this, ask = std::move(ask)](std::string_view prompt, std::string_view title, std::string_view reply) {
        write();
        return ask(prompt, title, reply);
    };
}

void EntryListField::write()
{
    if (pending_)
        field_->setPlainText(FromUtf8(text_));
    pending_ = false;
}

} // namespace zentaro::widgets
