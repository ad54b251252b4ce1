#pragma once

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/CWnd.h>

class CDC;
class CDocument;
struct CPrintInfo;

// A child window that shows a document: painting goes through OnDraw, document changes
// through OnUpdate. The view deletes itself when its window is destroyed.
class AFX_EXT_CLASS CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }
    virtual void OnInitialUpdate(); // OnUpdate(nullptr, 0, nullptr)
    // Prints the view: the dialog, then each page on the printer DC it returned, or into the
    // PDF file it named when printing to a file. A failing printer ends the job.
    afx_msg void OnFilePrint();
    // Commands reach the view's own map, then its document's.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    CView() = default;
    ~CView() override; // leaves its document

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint); // invalidates

    // Printing steps, run in this order by OnFilePrint. OnPreparePrinting must call
    // DoPreparePrinting, which runs the print dialog (nonzero: print). OnPrepareDC ends the job
    // after the first page when no page count was set; OnPrint draws one page (OnDraw).
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();

    CDocument* m_pDocument = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend class CDocument;
};
