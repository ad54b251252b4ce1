// ploxen-demo: the library's graph view in a Qt application, with sample data and every
// command a host offers; without a display it writes the picture and the data instead.
#include <QApplication>
#include <cstdlib>

#include "DemoApp.h"

int main(int argc, char** argv) {
    // Qt's own platform cannot start without a display; the offscreen one draws the same.
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments();
    args.removeFirst();
    return runDemo(args);
}
