#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/platform/gdi/gdi.h>

class CWnd;

struct PRINTDLGA {
    DWORD lStructSize;
    HWND hwndOwner;
    HANDLE hDevMode;
    HANDLE hDevNames;
    HDC hDC;
    DWORD Flags;
    WORD nFromPage, nToPage, nMinPage, nMaxPage, nCopies;
};
using PRINTDLG = PRINTDLGA;

constexpr DWORD PD_ALLPAGES = 0x0;
constexpr DWORD PD_NOSELECTION = 0x4;
constexpr DWORD PD_PRINTTOFILE = 0x20;
constexpr DWORD PD_RETURNDC = 0x100;
constexpr DWORD PD_USEDEVMODECOPIES = 0x40000;

// The print dialog. With a modal responder set, the responder answers it (it may set
// m_strPrintToFile with PD_PRINTTOFILE, which stands for the print-to-file prompt); with no
// display and no responder it is cancelled; otherwise Qt's print dialog appears, whose
// "print to PDF file" choice fills m_strPrintToFile. On IDOK with PD_RETURNDC, m_pd.hDC is a
// printer DC the caller deletes, made with the DEVMODE in m_pd.hDevMode when the caller set
// one (its orientation; the block stays the caller's).
class AFX_EXT_CLASS CPrintDialog {
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;
    virtual ~CPrintDialog() = default;

    virtual INT_PTR DoModal();
    HDC GetPrinterDC() const { return m_pd.hDC; }
    BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }

    PRINTDLG m_pd{};
    CString m_strDeviceName;  // the printer; empty for the default one
    CString m_strPrintToFile; // the output file when PD_PRINTTOFILE is set
};
