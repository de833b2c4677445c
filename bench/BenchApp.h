#pragma once
// One QApplication for every benchmark of the executable (some need
// widgets), on the offscreen platform unless another one is asked for.
#include <QApplication>

inline void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "spatium_bench";
    static char* argv[] = {name, nullptr};
    if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
}
