// The framework's font dialog over QFontDialog: the logical font and text colour of the
// platform's font chooser, both ways. With a modal responder set, the responder chooses; with
// no display, DoModal returns IDCANCEL and changes nothing.
#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/afx/CString.h>
#include <ploxen/platform/dlg/CDialog.h>
#include <ploxen/platform/gdi/gdi.h>

class CDC;

// Font chooser flags.
constexpr DWORD CF_SCREENFONTS = 0x00000001;
constexpr DWORD CF_PRINTERFONTS = 0x00000002;
constexpr DWORD CF_BOTH = CF_SCREENFONTS | CF_PRINTERFONTS;
constexpr DWORD CF_SHOWHELP = 0x00000004;
constexpr DWORD CF_ENABLEHOOK = 0x00000008;
constexpr DWORD CF_INITTOLOGFONTSTRUCT = 0x00000040;
constexpr DWORD CF_USESTYLE = 0x00000080;
constexpr DWORD CF_EFFECTS = 0x00000100;
constexpr DWORD CF_APPLY = 0x00000200;
constexpr DWORD CF_ANSIONLY = 0x00000400;
constexpr DWORD CF_NOVECTORFONTS = 0x00000800;
constexpr DWORD CF_NOSIMULATIONS = 0x00001000;
constexpr DWORD CF_LIMITSIZE = 0x00002000;
constexpr DWORD CF_FIXEDPITCHONLY = 0x00004000;
constexpr DWORD CF_WYSIWYG = 0x00008000;
constexpr DWORD CF_FORCEFONTEXIST = 0x00010000;
constexpr DWORD CF_SCALABLEONLY = 0x00020000;
constexpr DWORD CF_TTONLY = 0x00040000;

using LPCFHOOKPROC = UINT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

struct CHOOSEFONTA {
    DWORD lStructSize;
    HWND hwndOwner;
    HDC hDC;
    LPLOGFONTA lpLogFont;
    INT iPointSize; // tenths of a point
    DWORD Flags;
    COLORREF rgbColors; // text colour (with CF_EFFECTS)
    LPARAM lCustData;
    LPCFHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    HINSTANCE hInstance;
    LPSTR lpszStyle;
    WORD nFontType;
    WORD ___MISSING_ALIGNMENT__;
    INT nSizeMin;
    INT nSizeMax;
};
using CHOOSEFONT = CHOOSEFONTA;

// The base of the platform's common dialogs: a dialog without a template of its own.
class AFX_EXT_CLASS CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd) : CDialog(UINT(0), pParentWnd) {}
};

class AFX_EXT_CLASS CFontDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFontDialog)
public:
    // The dialog starts on *lplfInitial (and, on OK, writes the choice back there) or, with no
    // initial font, on the system's default font.
    explicit CFontDialog(LPLOGFONTA lplfInitial = NULL, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = NULL, CWnd* pParentWnd = NULL);
    ~CFontDialog() override = default;
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    // IDOK with m_lf, *m_cf.lpLogFont, m_cf.iPointSize and m_cf.rgbColors holding the choice;
    // IDCANCEL with everything as it was.
    INT_PTR DoModal() override;

    void GetCurrentFont(LPLOGFONTA lplf);
    CString GetFaceName() const;
    CString GetStyleName() const;
    int GetSize() const; // tenths of a point
    COLORREF GetColor() const;
    int GetWeight() const;
    BOOL IsStrikeOut() const;
    BOOL IsUnderline() const;
    BOOL IsBold() const;
    BOOL IsItalic() const;

    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;

protected:
    char m_szStyleName[64];
};
