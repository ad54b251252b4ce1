#pragma once

#include <ploxen/dialogs/CToolDlg.h>
#include <ploxen/model/Vertex2D.h>
#include <ploxen/module/ResourceIds.h>
#include <ploxen/platform/afx/AfxExtClass.h>
class CGLView;

// Statistics of y over the vertices between two picked on one line of the graph view.
class AFX_EXT_CLASS CInquireStatisticsDlg : public CToolDlg {
public:
    enum { IDD = IDD_INQUIRESTATISTICS };

    explicit CInquireStatisticsDlg(CWnd* pParent = nullptr);
    explicit CInquireStatisticsDlg(CGLView* pView);
    ~CInquireStatisticsDlg() override = default;

    // The user picks two vertices of one line on the view (a cross-hair follows the pointer;
    // a right press cancels); the dialog shows both x, the maximum, minimum, mean and standard
    // deviation of y over the vertices between them and the differential coefficient. Does
    // nothing when the renderer has no configuration.
    afx_msg void OnPickpoint();

    CGLView* m_pView = nullptr;
    CString m_strX1;
    CString m_strX2;
    CString m_strMax;
    CString m_strMean;
    CString m_strMin;
    CString m_strSigma;
    CString m_strDiffCoef;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()

private:
    // The chord slope from vertex min(a, b) to vertex max(a, b) over six ("%2.6e"); 0 when
    // both have the same x.
    CString UGetDiffCoef(const int& a, const int& b, const Vertex2D* v);
};
