#include "platform/ModalResponder.h"

#include <QApplication>
#include <QThread>
#include <utility>

#include "platform/gdi_p.h"

namespace {

ModalResponder& current() {
    static ModalResponder responder;
    return responder;
}

} // namespace

ModalResponder AfxSetModalResponder(ModalResponder responder) {
    return std::exchange(current(), std::move(responder));
}

const ModalResponder& AfxGetModalResponder() {
    return current();
}

bool canShowModalUi() {
    gdi::ensureQt();
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread()) return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
