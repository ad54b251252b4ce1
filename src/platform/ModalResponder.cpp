#include "platform/ModalResponder.h"

#include <utility>

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
