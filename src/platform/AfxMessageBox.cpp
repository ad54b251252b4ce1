#include "platform/AfxMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/ModalResponder.h"
#include "platform/QtApplication.h"

namespace {

std::vector<int> buttonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

QMessageBox::StandardButton qtButton(int id) {
    switch (id) {
    case IDCANCEL:
        return QMessageBox::Cancel;
    case IDABORT:
        return QMessageBox::Abort;
    case IDRETRY:
        return QMessageBox::Retry;
    case IDIGNORE:
        return QMessageBox::Ignore;
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon qtIcon(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
    const char* text = lpszText ? lpszText : "";
    const std::vector<int> buttons = buttonsOf(nType);
    const size_t defIndex = std::min<size_t>((nType & MB_DEFMASK) >> 8, buttons.size() - 1);
    if (const ModalResponder& responder = AfxGetModalResponder()) {
        ModalRequest request{ModalRequest::MessageBox, text, nType, nullptr};
        return responder(request);
    }
    if (!hasDisplay()) {
        std::string line(text);
        for (char& c : line)
            if (c == '\n' || c == '\r') c = ' ';
        std::fprintf(stderr, "%s\n", line.c_str());
        return buttons[defIndex];
    }
    QMessageBox box(qtIcon(nType), QApplication::applicationDisplayName(), QString::fromUtf8(text));
    for (int id : buttons) box.addButton(qtButton(id));
    box.setDefaultButton(qtButton(buttons[defIndex]));
    const int chosen = box.exec();
    for (int id : buttons)
        if (chosen == qtButton(id)) return id;
    return buttons.back() == IDCANCEL ? IDCANCEL : buttons[defIndex];
}
