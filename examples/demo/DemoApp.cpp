#include "DemoApp.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <cerrno>
#include <cstring>
#include <string>

#include "DemoFrame.h"
#include "DemoView.h"
#include "DemoWindow.h"

namespace {

constexpr const char* kTitle = "Ploxen demo";

constexpr const char* kUsage =
    "usage: ploxen-demo [--headless]\n"
    "Shows sample graphs with every command of the graph view. With --headless, or without\n"
    "a display, writes plot.bmp, plot.png and plot.csv into the current folder instead.\n";

bool hasDisplay() {
    const QString p = QGuiApplication::platformName();
    return p != QLatin1String("offscreen") && p != QLatin1String("minimal");
}

// Lets Qt run what the library left for its idle loop (views deleted after a tool's wait).
void drainEvents() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

bool writePng(const QString& bmp, const QString& png) {
    const QImage image(bmp, "BMP");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return false;
    FileReplacement file(png.toLocal8Bit().constData());
    return file.write(bytes.constData(), size_t(bytes.size())) && file.commit();
}

} // namespace

int writeDemoFiles(const QString& dir, std::FILE* out, std::FILE* err) {
    const QDir folder(dir);
    const QString bmp = folder.absoluteFilePath("plot.bmp");
    const QString png = folder.absoluteFilePath("plot.png");
    const QString csv = folder.absoluteFilePath("plot.csv");
    DemoFrame* frame = DemoFrame::make(kTitle, kDemoWidth, kDemoHeight);
    if (!frame) {
        std::fprintf(err, "ploxen-demo: cannot create the graph view\n");
        return 1;
    }
    DemoView* view = frame->view();
    view->Init(); // the client context a paint would have made: savetoBitmap draws on it
    std::string bmpPath = bmp.toStdString();
    const QString* failed = nullptr;
    if (!view->savetoBitmap(bmpPath.data()))
        failed = &bmp;
    else if (!writePng(bmp, png))
        failed = &png;
    else if (!view->GetRenderer()->writeCsv(csv.toStdString().c_str()))
        failed = &csv;
    const int error = errno;
    frame->DestroyWindow();
    drainEvents();
    if (failed) {
        std::fprintf(err, "ploxen-demo: cannot write %s: %s\n", qPrintable(*failed),
                     std::strerror(error));
        return 1;
    }
    for (const QString* path : {&bmp, &png, &csv})
        std::fprintf(out, "wrote %s\n", qPrintable(*path));
    return 0;
}

int runDemo(const QStringList& args) {
    bool headless = !hasDisplay();
    for (const QString& a : args) {
        if (a == "--headless") {
            headless = true;
        } else if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "ploxen-demo: unknown argument %s\n%s", qPrintable(a), kUsage);
            return 2;
        }
    }
    if (headless) return writeDemoFiles(QDir::currentPath(), stdout, stderr);

    CWinApp app("ploxen-demo"); // the frame becomes its main window; closing it ends the loop
    DemoFrame* frame = DemoFrame::make(kTitle, kDemoWidth, kDemoHeight);
    if (!frame) {
        std::fprintf(stderr, "ploxen-demo: cannot create the graph view\n");
        return 1;
    }
    int status;
    {
        DemoWindow window(frame);
        window.show();
        status = QApplication::exec();
    }
    drainEvents();
    return status;
}
