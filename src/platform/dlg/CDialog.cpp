#include <ploxen/platform/dlg/CDialog.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <cstdio>

#include <ploxen/platform/afx/ResourceChain.h>
#include <ploxen/platform/ctl/controls.h>
#include <ploxen/platform/dlg/ModalResponder.h>
#include <ploxen/platform/wnd/CWinApp.h>
#include <ploxen/platform/wnd/wnd_p.h>

using namespace wnd;

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

namespace {

// The dialog's Qt window: Esc, Enter without a default button and the title bar's close button
// become the commands the dialog's handlers expect.
class DialogWidget : public QDialog {
public:
    DialogWidget(HWND h, QWidget* parent) : QDialog(parent), m_hwnd(h) {}
    void reject() override { command(IDCANCEL); }
    void accept() override { command(IDOK); }

protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore();
        send(m_hwnd, WM_CLOSE, 0, 0);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        if (enter && e->modifiers() == Qt::NoModifier && !hasDefaultButton())
            command(IDOK);
        else
            QDialog::keyPressEvent(e);
    }

private:
    void command(int id) { send(m_hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    bool hasDefaultButton() const {
        for (QPushButton* b : findChildren<QPushButton*>())
            if (b->isEnabled() && (b->isDefault() || (b->autoDefault() && b->hasFocus())))
                return true;
        return false;
    }
    HWND m_hwnd;
};

CWnd* newControlWrapper(Kind kind) {
    switch (kind) {
    case Kind::Button:
        return new CButton;
    case Kind::Edit:
        return new CEdit;
    case Kind::Static:
        return new CStatic;
    case Kind::ListBox:
        return new CListBox;
    case Kind::Slider:
        return new CSliderCtrl;
    case Kind::ListView:
        return new CListCtrl;
    default:
        return new CWnd;
    }
}

// The template's font; the platform's classic dialog faces become the desktop's own face.
QFont dialogFont(const DLGTEMPLATE_DATA* t) {
    QFont font = QApplication::font();
    const QString face = qstr(t->fontName);
    if (!face.isEmpty() && !face.startsWith("MS Shell Dlg") && face != "MS Sans Serif")
        font.setFamilies({face});
    if (t->fontPointSize > 0) font.setPointSize(t->fontPointSize);
    return font;
}

const DLGTEMPLATE_DATA* templateOf(LPCSTR name) {
    return name && IS_INTRESOURCE(name) ? findDialogTemplate(LOWORD(name)) : nullptr;
}

} // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)),
      m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(IS_INTRESOURCE(lpszTemplateName) ? LOWORD(lpszTemplateName) : 0),
      m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName)) m_nIDHelp = LOWORD(lpszTemplateName);
    m_pParentWnd = pParentWnd;
    const DLGTEMPLATE_DATA* t = templateOf(lpszTemplateName);
    return t && createFromTemplate(t, pParentWnd ? pParentWnd : AfxGetMainWnd(), false);
}

BOOL CDialog::createFromTemplate(const DLGTEMPLATE_DATA* t, CWnd* pParentWnd, bool modal) {
    ensureQtApplication();
    if (m_hWnd) return FALSE;
    Window* owner = pParentWnd ? find(pParentWnd->m_hWnd) : nullptr;
    Window* w = add(this, Kind::Dialog, owner ? owner->hwnd : nullptr, 0, t->style & ~WS_VISIBLE);
    const HWND h = m_hWnd = w->hwnd;
    w->modal = modal;
    auto* dialog = new DialogWidget(h, owner ? owner->widget.data() : nullptr);
    setWidget(w, dialog);
    dialog->setWindowTitle(qstr(t->caption));
    const QFont font = dialogFont(t);
    dialog->setFont(font);
    const QFontMetrics fm(font);
    const int avg = fm.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    w->baseX = std::max((avg / 26 + 1) / 2, 1);
    w->baseY = std::max(fm.height(), 1);
    const auto map = [w](int x, int y, int cx, int cy) {
        return QRect(x * w->baseX / 4, y * w->baseY / 8, cx * w->baseX / 4, cy * w->baseY / 8);
    };
    const QSize size = map(0, 0, t->cx, t->cy).size();
    if (t->style & WS_THICKFRAME)
        dialog->resize(size);
    else
        dialog->setFixedSize(size);

    HWND firstTabStop = nullptr;
    for (int i = 0; i < t->nItems; ++i) {
        const DLGITEMTEMPLATE_DATA& item = t->items[i];
        const Kind kind = kindOf(item.className);
        CWnd* control = newControlWrapper(kind);
        Window* c = add(control, kind, h, item.id, item.style | WS_CHILD);
        control->m_hWnd = c->hwnd;
        c->ownsWrapper = true;
        setWidget(c, makeWidget(c, item.text, dialog));
        c->widget->setGeometry(map(item.x, item.y, item.cx, item.cy));
        if (item.style & WS_DISABLED) c->widget->setEnabled(false);
        if (qobject_cast<QGroupBox*>(c->widget)) c->widget->lower();
        if (!firstTabStop && (item.style & WS_TABSTOP) && !(item.style & WS_DISABLED))
            firstTabStop = c->hwnd;
    }
    // A label's mnemonic moves the focus to the control after it, as on the platform.
    const std::vector<HWND> children = w->children;
    for (size_t i = 0; i + 1 < children.size(); ++i)
        if (auto* label = qobject_cast<QLabel*>(widgetOf(children[i]));
            label && label->text().contains('&'))
            label->setBuddy(widgetOf(children[i + 1]));

    // Centred over the owner, or on the screen.
    const QWidget* ownerWidget = owner ? owner->widget.data() : nullptr;
    const QRect area = ownerWidget && ownerWidget->isVisible()
                           ? QRect(ownerWidget->mapToGlobal(QPoint(0, 0)), ownerWidget->size())
                           : (dialog->screen() ? dialog->screen()->availableGeometry() : QRect());
    dialog->move(area.center() - QPoint(size.width() / 2, size.height() / 2));

    const LRESULT focusFirst = send(h, WM_INITDIALOG, WPARAM(firstTabStop), 0);
    if (!find(h)) return FALSE;
    if (focusFirst && firstTabStop) ::SetFocus(firstTabStop);
    if (!modal && (t->style & WS_VISIBLE)) ShowWindow(SW_SHOW);
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (Window* w = find(m_hWnd)) endDialog(w, nResult);
}

void CDialog::press(int nID) {
    const HWND button = ::GetDlgItem(m_hWnd, nID);
    if (Window* b = find(button); b && b->kind == Kind::Button)
        ::SendMessage(button, BM_CLICK, 0, 0); // a disabled button does nothing
    else
        SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
}

INT_PTR CDialog::DoModal() {
    const DLGTEMPLATE_DATA* t = templateOf(m_lpszTemplateName);
    if (!t) return -1;
    ensureQtApplication();
    const ModalResponder responder = AfxGetModalResponder();
    if (!responder && !canShowModalUi()) return IDCANCEL;
    m_nModalResult = -1;
    if (!createFromTemplate(t, m_pParentWnd ? m_pParentWnd : AfxGetMainWnd(), true)) return -1;
    const HWND h = m_hWnd;
    if (responder) {
        // A responder that never ends the dialog must not hang the program.
        constexpr int maxRounds = 1000;
        int round = 0;
        for (Window* w = find(h); w && !w->ended; w = find(h)) {
            if (++round > maxRounds) {
                std::fprintf(stderr, "dialog %u: the responder did not end it; cancelled\n", t->id);
                EndDialog(IDCANCEL);
                break;
            }
            ModalRequest request{ModalRequest::Dialog, t->caption, t->id, this};
            const int id = responder(request);
            if ((w = find(h)) && !w->ended) press(id);
        }
    } else if (Window* w = find(h); w && !w->ended) {
        auto* dialog = static_cast<QDialog*>(w->widget.data());
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->exec();
    }
    const Window* w = find(h);
    const int result = w && w->ended ? w->result : m_nModalResult;
    ::DestroyWindow(h);
    return result;
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    const Window* w = find(m_hWnd);
    if (!w || !lpRect) return;
    lpRect->left = lpRect->left * w->baseX / 4;
    lpRect->right = lpRect->right * w->baseX / 4;
    lpRect->top = lpRect->top * w->baseY / 8;
    lpRect->bottom = lpRect->bottom * w->baseY / 8;
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (!pWndCtrl) return;
    ::SetFocus(pWndCtrl->m_hWnd);
    if (const Window* c = find(pWndCtrl->m_hWnd); c && c->kind == Kind::Edit)
        ::SendMessage(c->hwnd, EM_SETSEL, 0, -1);
}
