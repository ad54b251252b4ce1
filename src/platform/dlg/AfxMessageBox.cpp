#include <ploxen/platform/dlg/AfxMessageBox.h>

#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <ploxen/platform/afx/AnsiText_p.h>
#include <ploxen/platform/dlg/ModalResponder.h>
#include <ploxen/platform/wnd/CWinApp.h>
#include <ploxen/platform/wnd/CWnd.h>
#include <ploxen/platform/wnd/QtWidgetOf.h>

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

// The button MB_DEFBUTTONn names; the first when the box has no such button.
int defaultButton(UINT type) {
    std::vector<int> buttons = buttonsOf(type);
    std::size_t n = (type & MB_DEFMASK) >> 8;
    return n < buttons.size() ? buttons[n] : buttons[0];
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

int showBox(LPCSTR text, UINT type) {
    const std::vector<int> buttons = buttonsOf(type);
    const int def = defaultButton(type);
    QString title = QCoreApplication::applicationName();
    // Owned by the modal dialog it answers, else by the main window: it stays above its owner.
    QWidget* owner = QApplication::activeModalWidget();
    if (CWnd* main = AfxGetMainWnd(); !owner && main) owner = qWidgetOf(main->m_hWnd);
    QMessageBox box(qtIcon(type), title.isEmpty() ? QStringLiteral("Ploxen") : title, qstr(text),
                    QMessageBox::NoButton, owner ? owner->window() : nullptr);
    for (int id : buttons) box.addButton(qtButton(id));
    box.setDefaultButton(qtButton(def));
    // Escape and the close button mean Cancel where there is one, else the only button.
    bool hasCancel = std::find(buttons.begin(), buttons.end(), IDCANCEL) != buttons.end();
    if (hasCancel || buttons.size() == 1)
        box.setEscapeButton(qtButton(hasCancel ? IDCANCEL : buttons[0]));
    box.exec();
    for (int id : buttons)
        if (box.clickedButton() == box.button(qtButton(id))) return id;
    return hasCancel ? IDCANCEL : def;
}

} // namespace

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT /*nIDHelp*/) {
    if (!lpszText) lpszText = "";
    if (const ModalResponder& responder = AfxGetModalResponder()) {
        ModalRequest request{ModalRequest::MessageBox, lpszText, nType};
        return responder(request);
    }
    if (!canShowModalUi()) {
        std::string line(lpszText);
        for (char& c : line)
            if (c == '\n' || c == '\r') c = ' ';
        line += '\n';
        std::fputs(line.c_str(), stderr);
        return defaultButton(nType);
    }
    return showBox(lpszText, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    char text[32];
    std::snprintf(text, sizeof text, "Message %u", nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp);
}
