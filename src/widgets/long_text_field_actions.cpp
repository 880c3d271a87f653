// What the long text field does with its text beyond showing it: copying the
// selection and saving the whole text to a file.
#include "widgets/handler.h"
#include "widgets/long_text_field.h"
#include "widgets/message_box.h"
#include "widgets/modal_progress.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QSaveFile>

namespace zentaro::widgets {
namespace {

// Characters written between two looks at the progress dialog.
constexpr qsizetype kSavePiece = qsizetype{1} << 22;

} // namespace

void LongTextField::copy()
{
    const qsizetype length = selectionEnd() - selectionStart();
    if (length == 0)
        return;
    if (length > kAskBeforeCopying &&
        MessageBox(this, QStringLiteral("The selection is %1 characters long. Copy it anyway?").arg(length),
                   msgstyle::kYesNo + msgstyle::kQuestion) != MessageAnswer::Yes)
        return;
    // Made in one piece for the clipboard: where that cannot be held, the
    // application reports it and goes on.
    RunHandler(window(), [this] { QGuiApplication::clipboard()->setText(selectedText()); });
}

LongTextField::Saved LongTextField::saveTo(const QString& path, QString* error)
{
    // Kept here, not read through the field, which may be deleted while the
    // application handles its events.
    const std::shared_ptr<const LongText> text = text_;
    QSaveFile file(path);
    ModalProgress progress(this, QStringLiteral("Saving the list ..."), progressDelay_);
    const qsizetype size = text->size();
    bool written = file.open(QIODevice::WriteOnly);
    bool goOn = true;
    for (qsizetype from = 0; written && goOn && from < size; from += kSavePiece) {
        const qsizetype to = std::min(size, from + kSavePiece);
        written = text->write(
            from, to, [&file](QByteArrayView piece) { return file.write(piece.data(), piece.size()) == piece.size(); });
        goOn = progress.report(to, size);
    }
    if (written && goOn && file.commit())
        return Saved::Yes;
    if (error != nullptr)
        *error = file.errorString();
    file.cancelWriting();
    return written && !goOn ? Saved::Stopped : Saved::Failed;
}

void LongTextField::saveAs()
{
    const QPointer<LongTextField> alive(this);
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save list"), QString(),
                                                      QStringLiteral("Text files (*.txt);;All files (*)"));
    if (path.isEmpty() || alive.isNull())
        return;
    QString error;
    if (saveTo(path, &error) == Saved::Failed && !alive.isNull())
        MessageBox(this, QStringLiteral("The list could not be saved to %1:\n\n%2").arg(path, error),
                   msgstyle::kExclamation);
}

void LongTextField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyAction = menu.addAction(QStringLiteral("&Copy"), this, &LongTextField::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(selectionEnd() > selectionStart());
    menu.addAction(QStringLiteral("Select All"), this, [this] { select(0, text_->size()); })
        ->setShortcut(QKeySequence::SelectAll);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Save list\u2026"), this, &LongTextField::saveAs)->setEnabled(text_->size() > 0);
    menu.exec(event->globalPos());
}

} // namespace zentaro::widgets
