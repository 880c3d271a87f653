#include "support/paste_and_drop.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

// Exported by Qt GUI for test drivers: the key goes through shortcuts and focus as a person's does.
void qt_handleKeyEvent(QWindow* window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                       const QString& text = QString(), bool autorepeat = false, ushort count = 1);

namespace zentaro::testing {

void PasteWithCtrlV(QWidget* window, const QString& data)
{
    QApplication::clipboard()->setText(data);
    // A window manager activates the window again once a box over it has closed.
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QApplication::processEvents();
    }
    qt_handleKeyEvent(window->windowHandle(), QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    qt_handleKeyEvent(window->windowHandle(), QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
}

bool DropFile(QWidget* window, const QString& name, const QByteArray& data)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
    file.close();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(file.fileName())});
    const QPoint middle = window->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(middle, Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    QApplication::processEvents();
    return true;
}

} // namespace zentaro::testing
