#pragma once

#include <memory>

#include <ploxen/model/GcGraph.h>
#include <ploxen/model/GcGraphConfig.h>
#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/gdi/gdi.h>
#include <ploxen/platform/wnd/CView.h>

class CBitmap;
class CClientDC;
class CDrawCommentDlg;
class CEraseCommentDlg;
class CInquirePointDlg;
class CInquireStatisticsDlg;
class CViewing2dDlg;
class EnvData; // defined by the host
class Renderer;

// The window that shows a graph configuration. It owns the renderer, the two graphs of its
// configuration (with the series the host hands over), the five tool dialogs and an off-screen
// 1200 x 1200 surface used for printing, and turns mouse messages into events for the dialogs.
// Hosts derive their view from it.
class AFX_EXT_CLASS CGLView : public CView {
    DECLARE_DYNCREATE(CGLView)
public:
    enum BUFFERTYPE : int {};
    enum EVENTTYPE : int {
        EV_NONE = 0,
        EV_LBUTTONDOWN = 1,
        EV_LBUTTONUP = 2,
        EV_RBUTTONDOWN = 3,
        EV_RBUTTONUP = 4,
        EV_MOUSEMOVE = 5,
    };

    EnvData* GetEnvData() const { return m_pEnvData; }
    Renderer* GetRenderer() const { return m_pRenderer; }

    // Whether the view's window is made DPI-aware: on a high-density screen it then draws at
    // the screen's device pixels (one-pixel lines one device pixel wide, text at the screen's
    // resolution), its client area and mouse positions in device pixels, instead of being shown
    // as a scaled-up picture. Off by default; set it before the window is created (in the
    // derived view's constructor).
    void SetDpiAware(BOOL bDpiAware = TRUE) { m_bDpiAware = bDpiAware; }
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;

    // Replaces the client device context used by Draw.
    virtual void Init();
    // Paints the view on the context made by Init; nothing before the first Init.
    virtual void Draw();

    // Runs the view's modal loop until it records a mouse event and returns it, with its
    // client point and the client rectangle. A view whose window is destroyed during the
    // wait (or has none) answers EV_RBUTTONUP at the last point, so every tool loop cancels.
    EVENTTYPE GetEvent(CPoint& point, CRect& rect);

    // Repaints the view and writes its client area as a 24-bit bottom-up BMP file; ".bmp" is
    // appended unless the path ends with it. False, with no file written, when the name with
    // its extension is longer than 255 characters or the file cannot be created or written
    // fully; the old file then stays as it was, and GetLastError() says why.
    bool savetoBitmap(char* const path);

protected:
    CGLView() : CGLView(BUFFERTYPE(1)) {}
    explicit CGLView(BUFFERTYPE type);
    ~CGLView() override;

    void DeleteGcContents();

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Captures the view's picture into the off-screen surface, then asks for the print dialog.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    // Prints the captured picture centred in the drawing rectangle, keeping its proportions.
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

    void SetupLogicalPalette();
    HBITMAP CreateDIBSurface(HDC dc);

    void OnBackColorBlack();
    void OnBackColorWhite();
    // Menu commands for a derived view to map: the zoom dialog's Zoom and Unzoom.
    void OnZoomGraph();
    void OnUnzoomGraph();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);

    BUFFERTYPE m_bufferType;
    CClientDC* m_pDC = nullptr;
    HPALETTE m_hPalette = nullptr;
    EVENTTYPE m_event = EV_NONE;
    CPoint m_eventPoint{0, 0};
    int m_cx = 0;
    int m_cy = 0;
    int m_bWaiting = 0;
    int m_picked = 0;
    int m_pickedGraph = -1;
    int m_pickedLine = -1;
    HDC m_hMemDC = nullptr;
    HBITMAP m_hDIB = nullptr;
    struct {
        BITMAPINFOHEADER bmiHeader;
        RGBQUAD bmiColors[256];
    } m_bmi{};
    void* m_pBits = nullptr;
    CDrawCommentDlg* m_pDrawCommentDlg = nullptr;
    CEraseCommentDlg* m_pEraseCommentDlg = nullptr;
    CInquirePointDlg* m_pInquirePointDlg = nullptr;
    CInquireStatisticsDlg* m_pInquireStatisticsDlg = nullptr;
    CViewing2dDlg* m_pViewing2dDlg = nullptr;
    EnvData* m_pEnvData = nullptr;
    Renderer* m_pRenderer = nullptr;
    GcGraphConfig m_config{GcGraphConfig::GRAPH};
    GcGraph m_graph[2];

    DECLARE_MESSAGE_MAP()

private:
    static constexpr int kSurfaceSize = 1200; // the off-screen surface, whatever the window size

    // What the view owns. Hosts read the raw fields above (m_pRenderer, m_pDC, the dialogs),
    // which point into these.
    std::unique_ptr<Renderer> m_renderer;
    std::unique_ptr<CEraseCommentDlg> m_eraseCommentDlg;
    std::unique_ptr<CDrawCommentDlg> m_drawCommentDlg;
    std::unique_ptr<CInquirePointDlg> m_inquirePointDlg;
    std::unique_ptr<CInquireStatisticsDlg> m_inquireStatisticsDlg;
    std::unique_ptr<CViewing2dDlg> m_viewing2dDlg;
    std::unique_ptr<CClientDC> m_dc;
    BOOL m_bDpiAware = FALSE;
    // A view that shows indexed lines paints through a picture of its own, which its renderer
    // scrolls when only the newest part of a line changed.
    std::unique_ptr<CDC> m_backDC;
    std::unique_ptr<CBitmap> m_backBitmap;
    CSize m_backSize{0, 0};

    void paint(CDC* dc);
    void press(CPoint point);
    void record(EVENTTYPE kind, CPoint point);
};
