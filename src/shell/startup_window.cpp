#include "shell/startup_window.h"

#include "shell/artwork.h"
#include "shell/window_registry.h"
#include "widgets/handler.h"
#include "widgets/keyboard.h"

#include <QGuiApplication>
#include <QScreen>

namespace zentaro::shell {

StartupWindow::StartupWindow(WindowRegistry& registry, std::function<void()> exitApplication, QWidget* parent)
    : QWidget(parent), registry_(registry), exitApplication_(std::move(exitApplication))
{
    setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(size());
    widgets::PressButtonsWithEnter(this);
    Image1->setPixmap(DrawStartupPicture(Image1->size()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    widgets::ConnectClick(okcmd, this, &StartupWindow::okcmd_Click);
    widgets::ConnectClick(aboutcmd, this, &StartupWindow::aboutcmd_Click);
    widgets::ConnectClick(helpcmd, this, &StartupWindow::helpcmd_Click);
    widgets::ConnectClick(exitcmd, this, &StartupWindow::exitcmd_Click);
}

void StartupWindow::okcmd_Click()
{
    hide();
    registry_.show(QStringLiteral("mainmenufrm"));
}

void StartupWindow::aboutcmd_Click()
{
    registry_.show(QStringLiteral("frmAbout"));
}

void StartupWindow::helpcmd_Click()
{
    registry_.show(QStringLiteral("helpfrm"));
}

void StartupWindow::exitcmd_Click()
{
    exitApplication_();
}

} // namespace zentaro::shell
