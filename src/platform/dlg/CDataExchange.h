// Dialog data exchange: DoDataExchange moves each field to its control (UpdateData(FALSE)) or
// reads and validates it back (UpdateData(TRUE)). A value that does not validate is reported
// with the framework's message, its control gets the focus (an edit's text selected) and the
// exchange stops: UpdateData returns FALSE and later fields keep their values.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/platform/wnd/CWnd.h>

class AFX_EXT_CLASS CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate; // TRUE: controls to fields, with validation
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;

    // The control with this ID, remembered as the one a failure focuses.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Focuses the last control (selecting an edit's text) and ends the exchange.
    [[noreturn]] void Fail();
};

AFX_EXT_API void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_EXT_API void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_EXT_API void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_EXT_API void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
AFX_EXT_API void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
AFX_EXT_API void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// The index of the checked radio button of the group that starts at nIDC (-1: none).
AFX_EXT_API void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
AFX_EXT_API void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
AFX_EXT_API void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);
// Makes rControl the wrapper of the control (once).
AFX_EXT_API void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

AFX_EXT_API void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_EXT_API void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
AFX_EXT_API void DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal,
                                  double maxVal);
AFX_EXT_API void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
