#include "ui/window_setup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zentaro::ui {
namespace {
constexpr int kFrameWidthPixels = 2 * 3;
constexpr int kFrameHeightPixels = 20 + 2 * 3;
} // namespace

QSize ClientSizeFromTwips(int widthTwips, int heightTwips)
{
    return {Twips(widthTwips) - kFrameWidthPixels, Twips(heightTwips) - kFrameHeightPixels};
}

void MakeCalculatorWindow(QWidget* window)
{
    window->setWindowFlags(Qt::Window | Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
}

void SetFormHeightTwips(QWidget* window, int heightTwips)
{
    const int height = Twips(heightTwips) - kFrameHeightPixels;
    window->setFixedSize(window->width(), height);
}

void CentreVertically(QWidget* window)
{
    const QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const int frameExtra = window->frameGeometry().height() - window->height();
    const int outer = window->height() + (frameExtra > 0 ? frameExtra : kFrameHeightPixels);
    window->move(window->x(), screen->geometry().top() + (screen->geometry().height() - outer) / 2);
}

} // namespace zentaro::ui
