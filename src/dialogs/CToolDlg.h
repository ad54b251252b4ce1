// The base of the graph view's modeless tool dialogs: created hidden at the view's first update,
// shown on demand, hidden (not destroyed) by Close; Close and Escape also end the dialog's tool
// if one is running.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/dlg/CDialog.h>

class AFX_EXT_CLASS CToolDlg : public CDialog {
public:
    void Update(); // creates the window, hidden, if it does not exist yet
    void Show();
    afx_msg void OnClose();   // hides; ends the tool if it runs
    void OnCancel() override; // Escape, the title bar's close: the same

protected:
    // With the template and parent, as CDialog's constructor.
    CToolDlg(UINT nIDTemplate, CWnd* pParentWnd);
    // Without a template: Update gives nIDTemplate to Create.
    explicit CToolDlg(UINT nIDTemplate);

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDTemplate;
};
