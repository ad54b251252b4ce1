// platform/dlg: dialogs and the modal user interface above windows: dialogs built from templates,
// data exchange and validation, message boxes, the font and print dialogs with the print job's
// information, and the modal responder that answers them in tests and batch programs.
//
// The framework's dialog: built from a dialog template found along the resource chain, with real
// Qt controls placed from the template's dialog units. Modeless through Create, modal through
// DoModal (answered by the modal responder when one is set).
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/wnd/CWnd.h>

class AFX_EXT_CLASS CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog();
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

    using CWnd::Create;
    // Modeless: hidden unless the template is WS_VISIBLE. FALSE when no module has the template.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL Create(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    // Modal: the button that ended it (IDOK, IDCANCEL, ...); -1 when no module has the template;
    // IDCANCEL at once when there is neither a display nor a responder.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    // Dialog units to pixels with the dialog's font.
    void MapDialogRect(LPRECT lpRect) const;
    void GotoDlgCtrl(CWnd* pWndCtrl);

    // Fills the controls (UpdateData(FALSE)); TRUE lets the first tab stop take the focus.
    virtual BOOL OnInitDialog();
    // UpdateData(TRUE), then EndDialog(IDOK) if the data validated.
    virtual void OnOK();
    virtual void OnCancel();

protected:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDHelp = 0;
    LPCSTR m_lpszTemplateName = nullptr;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()

private:
    BOOL createFromTemplate(const DLGTEMPLATE_DATA* t, CWnd* pParentWnd, bool modal);
    void press(int nID);
};
