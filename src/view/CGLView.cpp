#include <ploxen/view/CGLView.h>

#include <cstring>

#include <ploxen/dialogs/CDrawCommentDlg.h>
#include <ploxen/dialogs/CEraseCommentDlg.h>
#include <ploxen/dialogs/CInquirePointDlg.h>
#include <ploxen/dialogs/CInquireStatisticsDlg.h>
#include <ploxen/dialogs/CViewing2dDlg.h>
#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/gdi/CGdiObject.h>
#include <ploxen/platform/wnd/CClientDC.h>
#include <ploxen/render/Renderer.h>

IMPLEMENT_DYNCREATE(CGLView, CView)

BEGIN_MESSAGE_MAP(CGLView, CView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

namespace {
bool showsIndexedLine(const GcGraphConfig* cfg) {
    for (int g = 0; cfg && cfg->graph && g < cfg->ngraph; ++g)
        for (int i = 0; cfg->graph[g].line && i < cfg->graph[g].nline; ++i)
            if (cfg->graph[g].line[i].index()) return true;
    return false;
}
template <class T, class... A> T* tryNew(A&&... args) {
    return new (std::nothrow) T(std::forward<A>(args)...);
}
// Makes owner hold p and returns it, for the raw field that shows it to hosts.
template <class T> T* own(std::unique_ptr<T>& owner, T* p) {
    owner.reset(p);
    return p;
}
} // namespace

CGLView::CGLView(BUFFERTYPE type) : m_bufferType(type) {
    m_renderer = std::make_unique<Renderer>();
    m_pRenderer = m_renderer.get();
    m_config.setGraph(2, m_graph);
    m_pRenderer->set(&m_config);
    // The erase dialog comes first: the draw dialog is given it.
    m_pEraseCommentDlg = own(m_eraseCommentDlg, tryNew<CEraseCommentDlg>(this));
    m_pDrawCommentDlg = own(m_drawCommentDlg, tryNew<CDrawCommentDlg>(this, m_pEraseCommentDlg));
    m_pInquirePointDlg = own(m_inquirePointDlg, tryNew<CInquirePointDlg>(this));
    m_pInquireStatisticsDlg = own(m_inquireStatisticsDlg, tryNew<CInquireStatisticsDlg>(this));
    m_pViewing2dDlg = own(m_viewing2dDlg, tryNew<CViewing2dDlg>(this));
}

CGLView::~CGLView() {
    DeleteGcContents();
}

void CGLView::DeleteGcContents() {
    for (GcGraph& g : m_graph) {
        if (g.line) {
            for (int i = 0; i < g.nline; ++i) delete[] g.line[i].vertex;
            delete[] g.line;
        }
        g.setGLine(0, nullptr);
    }
}

BOOL CGLView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                     CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    if (!m_bDpiAware)
        return CView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID,
                             pContext);
    // The window takes the thread's awareness as it is created.
    const DPI_AWARENESS_CONTEXT previous =
        SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const BOOL created =
        CView::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext);
    SetThreadDpiAwarenessContext(previous);
    return created;
}

BOOL CGLView::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    return CView::PreCreateWindow(cs);
}

void CGLView::paint(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    if (!showsIndexedLine(m_pRenderer->getGcGraphConfig())) {
        m_backDC.reset(), m_backBitmap.reset();
        m_pRenderer->clear(dc, &client);
        m_pRenderer->drawGraph(dc);
        m_pRenderer->drawComments(dc);
        return;
    }
    if (!m_backDC || m_backSize != client.Size()) {
        m_backDC = std::make_unique<CDC>();
        m_backBitmap = std::make_unique<CBitmap>();
        if (!m_backDC->CreateCompatibleDC(dc) ||
            !m_backBitmap->CreateCompatibleBitmap(dc, client.Width(), client.Height()))
            return m_backDC.reset(), m_backBitmap.reset(), void();
        m_backDC->SelectObject(m_backBitmap.get());
        m_backSize = client.Size();
        m_pRenderer->forgetRepaint();
    }
    m_pRenderer->repaintGraph(m_backDC.get(), &client);
    dc->BitBlt(0, 0, client.Width(), client.Height(), m_backDC.get(), 0, 0, SRCCOPY);
}

void CGLView::OnDraw(CDC* pDC) {
    paint(pDC);
}

void CGLView::Init() {
    m_pDC = own(m_dc, m_hWnd ? tryNew<CClientDC>(this) : nullptr);
}

void CGLView::Draw() {
    if (m_pDC && m_hWnd) paint(m_pDC);
}

int CGLView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) return -1;
    CClientDC dc(this);
    m_hMemDC = CreateCompatibleDC(dc.m_hDC);
    m_hDIB = CreateDIBSurface(dc.m_hDC);
    SelectObject(m_hMemDC, m_hDIB);
    return 0;
}

HBITMAP CGLView::CreateDIBSurface(HDC dc) {
    std::memset(&m_bmi.bmiHeader, 0, sizeof m_bmi.bmiHeader);
    std::memset(&m_bmi.bmiColors[0], 0, sizeof m_bmi.bmiColors[0]);
    BITMAPINFOHEADER& h = m_bmi.bmiHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = kSurfaceSize;
    h.biHeight = kSurfaceSize; // bottom-up rows
    h.biPlanes = 1;
    h.biBitCount = WORD(GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES));
    h.biCompression = BI_RGB;
    h.biSizeImage = DWORD((h.biBitCount * kSurfaceSize + 31) / 32 * 4 * kSurfaceSize);
    return CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&m_bmi), DIB_RGB_COLORS, &m_pBits,
                            nullptr, 0);
}

void CGLView::OnDestroy() {
    CView::OnDestroy();
    DeleteDC(m_hMemDC);
    DeleteObject(m_hDIB);
    m_hMemDC = nullptr;
    m_hDIB = nullptr;
    m_pBits = nullptr;
    // The client DC belongs to the window that goes now.
    m_pDC = own(m_dc, static_cast<CClientDC*>(nullptr));
    // A tool loop waiting on this view ends as if the user had cancelled.
    if (m_bWaiting) record(EV_RBUTTONUP, m_eventPoint);
}

void CGLView::OnSize(UINT, int cx, int cy) {
    Default();
    m_pRenderer->setViewport(0, 0, cx, cy);
    m_cy = cy;
    m_cx = cx;
}

void CGLView::SetupLogicalPalette() {
    static constexpr BYTE levels8[8] = {0x00, 0x24, 0x48, 0x6D, 0x91, 0xB6, 0xDA, 0xFF};
    static constexpr BYTE levels4[4] = {0x00, 0x55, 0xAA, 0xFF};
    struct {
        WORD palVersion;
        WORD palNumEntries;
        PALETTEENTRY palPalEntry[256];
    } pal{0x300, 256, {}};
    for (int i = 0; i < 256; ++i) {
        const BYTE r = levels8[i & 7], g = levels8[(i >> 3) & 7], b = levels4[(i >> 6) & 3];
        pal.palPalEntry[i] = PALETTEENTRY{r, g, b, 0};
        m_bmi.bmiColors[i] = RGBQUAD{b, g, r, 0};
    }
    if (SetDIBColorTable(m_hMemDC, 0, 256, m_bmi.bmiColors) == 0) AfxMessageBox("COLORTABLE ERROR");
    m_hPalette = CreatePalette(reinterpret_cast<const LOGPALETTE*>(&pal));
}

void CGLView::OnBackColorBlack() {
    Init();
    m_pRenderer->setBackground(Renderer::BK_BLACK);
    Draw();
}

void CGLView::OnBackColorWhite() {
    Init();
    m_pRenderer->setBackground(Renderer::BK_WHITE);
    Draw();
}

void CGLView::OnZoomGraph() {
    if (m_pViewing2dDlg) m_pViewing2dDlg->OnZoom();
}

void CGLView::OnUnzoomGraph() {
    if (m_pViewing2dDlg) m_pViewing2dDlg->OnUnzoom();
}
