#include "platform/QtApplication.h"

#include <QApplication>
#include <clocale>
#include <cstdlib>

void ensureQtApplication() {
    if (QCoreApplication::instance()) return;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "ploxen";
    static char* argv[] = {name, nullptr};
    // Lives for the rest of the process, as a host's own application object would.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
    // Qt takes the user's locale for the C library; numbers are read and written the C way.
    setlocale(LC_NUMERIC, "C");
}

bool hasDisplay() {
    ensureQtApplication();
    const QString p = QGuiApplication::platformName();
    return p != QLatin1String("offscreen") && p != QLatin1String("minimal");
}
