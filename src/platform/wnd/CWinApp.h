// The framework's application object, for hosts that want one: InitInstance sets the program
// up (typically creating m_pMainWnd), Run pumps messages until WM_QUIT.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/CCmdTarget.h>

class CWnd;

class AFX_EXT_CLASS CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // The message loop; returns ExitInstance's exit code.
    virtual int Run();
    virtual int ExitInstance();

    CWnd* m_pMainWnd = nullptr; // destroying it ends Run
    LPCSTR m_pszAppName = nullptr;

private:
    int m_exitCode = 0;
};

AFX_EXT_API CWinApp* AfxGetApp();
AFX_EXT_API CWnd* AfxGetMainWnd();
