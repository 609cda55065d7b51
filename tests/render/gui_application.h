#pragma once
// Drawing text needs a QGuiApplication: one for the whole test program, offscreen.

#include <QGuiApplication>

namespace karnoth::testing {

inline void ensureGuiApplication()
{
    if (QCoreApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "render-test";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the program: the test cases share it.
    static QGuiApplication* application = new QGuiApplication(argc, argv);
    (void)application;
}

}  // namespace karnoth::testing
