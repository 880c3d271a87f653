#include "shell/font_setup.h"

#include <QApplication>

#include <gtest/gtest.h>

// Window tests need one application object for the whole run.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The windows are measured with the fonts the application itself draws with.
    zentaro::shell::LoadFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
