#include <ploxen/platform/dlg/ModalResponder.h>

#include <QApplication>
#include <QThread>
#include <utility>

#include <ploxen/platform/afx/QtApplication.h>

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
    if (!hasDisplay()) return false;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}
