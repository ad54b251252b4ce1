#include <ploxen/platform/wnd/CWinApp.h>

#include <QCoreApplication>

#include <ploxen/platform/afx/AnsiText_p.h>
#include <ploxen/platform/afx/QtApplication.h>
#include <ploxen/platform/wnd/wnd_p.h>

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {
CWinApp* theApp = nullptr;
}

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName) {
    theApp = this;
}

CWinApp::~CWinApp() {
    if (theApp == this) theApp = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    ensureQtApplication();
    if (m_pszAppName) QCoreApplication::setApplicationName(qstr(m_pszAppName));
    MSG msg{};
    while (GetMessage(&msg, nullptr, 0, 0)) {
        if (wnd::preTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    m_exitCode = int(msg.wParam);
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    return m_exitCode;
}

CWinApp* AfxGetApp() {
    return theApp;
}

CWnd* AfxGetMainWnd() {
    return theApp ? theApp->m_pMainWnd : nullptr;
}
