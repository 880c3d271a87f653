// The yardstick for start-up: a bare Qt Widgets program that shows one button and leaves.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QPushButton button(QStringLiteral("OK"));
    button.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
