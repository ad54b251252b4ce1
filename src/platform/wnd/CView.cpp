#include <ploxen/platform/wnd/CView.h>

#include <ploxen/platform/dlg/AfxMessageBox.h>
#include <ploxen/platform/dlg/CPrintInfo.h>
#include <ploxen/platform/wnd/CClientDC.h>
#include <ploxen/platform/wnd/CDocument.h>

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
END_MESSAGE_MAP()

CView::~CView() {
    if (m_pDocument) m_pDocument->RemoveView(this);
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*) {
    Invalidate(TRUE);
}

void CView::PostNcDestroy() {
    delete this;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
    auto* context = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnDraw(&dc);
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
    return pInfo && pInfo->m_pPD->DoModal() == IDOK && pInfo->m_pPD->GetPrinterDC();
}

void CView::OnPrepareDC(CDC*, CPrintInfo* pInfo) {
    if (pInfo && pInfo->GetMaxPage() == 0xFFFF && pInfo->m_nCurPage > 1)
        pInfo->m_bContinuePrinting = FALSE;
}

void CView::OnFilePrint() {
    CPrintInfo info;
    if (!OnPreparePrinting(&info)) return;
    CDC dc;
    dc.Attach(info.m_pPD->GetPrinterDC());
    OnBeginPrinting(&dc, &info);
    CString title;
    if (CWnd* parent = GetParent()) parent->GetWindowText(title);
    const DOCINFO doc{
        int(sizeof(DOCINFO)), title.GetString(),
        info.m_pPD->PrintToFile() ? info.m_pPD->m_strPrintToFile.GetString() : nullptr, nullptr, 0};
    bool ok = StartDoc(dc.m_hDC, &doc) > 0;
    for (UINT page = info.GetMinPage(); ok && page <= info.GetMaxPage(); ++page) {
        info.m_nCurPage = page;
        OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting) break;
        info.m_rectDraw = CRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        ok = StartPage(dc.m_hDC) > 0;
        if (!ok) break;
        OnPrint(&dc, &info);
        ok = EndPage(dc.m_hDC) > 0;
    }
    if (ok)
        EndDoc(dc.m_hDC);
    else
        AbortDoc(dc.m_hDC);
    OnEndPrinting(&dc, &info);
    dc.Detach(); // the print information deletes the printer DC
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) {
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
           (m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo));
}
