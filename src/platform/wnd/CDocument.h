#pragma once

#include <vector>

#include <ploxen/platform/afx/AfxExtClass.h>
#include <ploxen/platform/wnd/CCmdTarget.h>

class CView;

// The data a set of views shows. It does not own its views: each view leaves it when deleted.
class AFX_EXT_CLASS CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
    ~CDocument() override; // detaches the views still attached

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // Calls OnUpdate of every attached view except pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);
    int GetViewCount() const { return int(m_views.size()); }

private:
    std::vector<CView*> m_views;
};
