// Device contexts of a window: both draw into the window's backing image. CPaintDC is made in
// an OnPaint handler (it ends the pending paint); CClientDC anywhere else.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/gdi/CDC.h>
#include <ploxen/platform/wnd/CWnd.h>

class AFX_EXT_CLASS CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

class AFX_EXT_CLASS CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};
