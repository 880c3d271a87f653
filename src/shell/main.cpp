#include "conventions/locale.h"
#include "shell/application.h"
#include "shell/font_setup.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display Qt would abort with a page about platform plugins; one line
// says what is wrong instead.
bool DisplayAvailable()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0' && std::strncmp(platform, "xcb", 3) != 0 &&
        std::strncmp(platform, "wayland", 7) != 0)
        return true;
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!DisplayAvailable()) {
        std::fputs("zentaro: no display found: set DISPLAY or WAYLAND_DISPLAY, or start it inside a desktop session\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zentaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zentaro"));
    QApplication::setDesktopFileName(QStringLiteral("zentaro"));
    zentaro::shell::LoadFontSubstitutes();

    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x80)
        zentaro::SetDecimalSeparator(point.at(0).toLatin1());

    zentaro::shell::Application zentaroApp([] { QCoreApplication::quit(); });
    zentaroApp.start();

    // For start-up measurements: leave as soon as the first window has been shown.
    if (std::getenv("ZENTARO_QUIT_WHEN_SHOWN") != nullptr)
        QTimer::singleShot(0, &app, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
