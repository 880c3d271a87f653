#pragma once

#include <QApplication>

namespace zentaro::bench {

// The one offscreen application of a benchmark program that has no main of its
// own, made on first use.
inline QApplication& Application()
{
    static int argc = 1;
    static char name[] = "zentaro_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: tearing Qt down among the other static objects at exit crashes.
    static auto* application = new QApplication(argc, argv);
    return *application;
}

} // namespace zentaro::bench
