#pragma once

#include "platform/CWnd.h"

class CDC;
class CDocument;
struct CPrintInfo;

// A child window that shows a document: painting goes through OnDraw, document changes
// through OnUpdate. The view deletes itself when its window is destroyed.
class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }
    virtual void OnInitialUpdate(); // OnUpdate(nullptr, 0, nullptr)

protected:
    CView() = default;
    ~CView() override; // leaves its document

    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint); // invalidates

    // Printing steps. OnPreparePrinting must call DoPreparePrinting, which asks the modal
    // responder for the print dialog's answer (nonzero: print); OnPrint draws one page
    // (OnDraw by default).
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
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
