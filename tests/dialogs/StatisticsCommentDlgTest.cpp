// The statistics and comment dialogs driven by mouse messages through the view's queue.
#include <cstring>

#include "ToolFixture.h"
#include "platform/dlg/CFontDialog.h"
#include "platform/dlg/ModalResponder.h"

using namespace view_test;

namespace {

using Texts = std::vector<CString>;
Texts texts(const CInquireStatisticsDlg* d) {
    return {d->m_strX1,   d->m_strX2,    d->m_strMax,     d->m_strMin,
            d->m_strMean, d->m_strSigma, d->m_strDiffCoef};
}

// Vertices 3 and 4 share their x. Line 1 is not taken as the second point; a right press after
// the first point keeps only the last coefficient.
TEST_F(ToolDlg, StatisticsOverTheVerticesBetweenTwoPicksOfOneLine) {
    setLines({{{0, 1}, {1, 4}, {2, 2}, {3, 8}, {3, 5}}, {{0.5, 9}, {4, 6}}});
    CInquireStatisticsDlg* d = view->m_pInquireStatisticsDlg;
    struct Case {
        std::vector<CPoint> clicks;
        Texts expected;
    };
    const Case cases[] = {
        {{at(0, 1), at(1, 0), at(0, 3)},
         {"1.000000e+00", "3.000000e+00", "8.000000e+00", "2.000000e+00", "4.666667e+00",
          "2.494438e+00", "3.333333e-01"}},
        {{at(0, 3), at(0, 1)},
         {"3.000000e+00", "1.000000e+00", "8.000000e+00", "2.000000e+00", "4.666667e+00",
          "2.494438e+00", "3.333333e-01"}},
        {{at(0, 1)}, {"", "", "", "", "", "", "3.333333e-01"}},
        {{at(0, 2), at(0, 2)},
         {"2.000000e+00", "2.000000e+00", "2.000000e+00", "2.000000e+00", "2.000000e+00",
          "0.000000e+00", "0.000000e+00"}},
        {{at(0, 4), at(0, 3)},
         {"3.000000e+00", "3.000000e+00", "8.000000e+00", "5.000000e+00", "6.500000e+00",
          "1.500000e+00", "0.000000e+00"}},
    };
    for (const Case& c : cases) {
        for (CPoint p : c.clicks) click(p);
        if (c.clicks.size() == 1) rightClick();
        d->OnPickpoint();
        EXPECT_EQ(texts(d), c.expected);
        CString shown;
        d->GetDlgItemText(IDC_DIFFCOEF, shown);
        EXPECT_EQ(shown, c.expected[6]);
        pump();
    }
}

// Alternating 1e8 and 1e8 + 1000: squares beyond double's exact integers, so only deviations
// from the mean summed in order give exactly 500. No lines drawn, to keep the redraw quick.
TEST_F(ToolDlg, StatisticsOverTenMillionVerticesWithoutLoss) {
    constexpr int n = 10'000'000;
    auto* v = new Vertex2D[n];
    for (int k = 0; k < n; ++k) v[k] = {k ? k < n - 1 ? 2.0 : 4.0 : 0.0, 1e8 + 1000 * (k & 1)};
    auto* line = new GcGLine[1];
    setLine(line[0], n, v, -1);
    show(1, line, 1e8 + 1001, 1e8 - 1);
    click(at(0, 0));
    click(at(0, n - 1));
    view->m_pInquireStatisticsDlg->OnPickpoint();
    EXPECT_EQ(texts(view->m_pInquireStatisticsDlg),
              (Texts{"0.000000e+00", "4.000000e+00", "1.000010e+08", "1.000000e+08", "1.000005e+08",
                     "5.000000e+02", "4.166667e+01"}));
}

// Font dialog Cancel then OK; 61 characters refused, 60 taken; three comments placed at their
// clicks and listed; two of them erased at once, gone from the renderer, list and next paint.
TEST_F(ToolDlg, CommentsPlacedListedAndErased) {
    setLines({{{0, 1}, {4, 2}}});
    CDrawCommentDlg* d = view->m_pDrawCommentDlg;
    CListBox& list = view->m_pEraseCommentDlg->m_listComments;
    std::vector<std::string> shown;
    ModalResponder previous = AfxSetModalResponder([&](ModalRequest& r) {
        if (r.kind != ModalRequest::FontDialog) return shown.push_back(r.text), int(IDOK);
        auto* f = static_cast<CFontDialog*>(r.object);
        shown.push_back(f->m_lf.lfFaceName + std::to_string(f->m_lf.lfHeight) + " " +
                        std::to_string(f->m_cf.rgbColors));
        std::strcpy(f->m_lf.lfFaceName, "DejaVu Serif");
        f->m_cf.rgbColors = RGB(0, 0, 255);
        return shown.size() == 1 ? int(IDCANCEL) : int(IDOK);
    });
    d->OnFont();
    d->OnFont();
    d->SetDlgItemText(IDC_COMMENT, std::string(61, 'a').c_str());
    d->OnApply();
    EXPECT_EQ(shown, (std::vector<std::string>{"MS Sans Serif-11 65280", "MS Sans Serif-11 65280",
                                               "Enter no more than 60 characters."}));
    AfxSetModalResponder(previous);
    EXPECT_EQ(std::strcmp(d->m_logFont.lfFaceName, "DejaVu Serif") | int(d->m_color ^ 0xFF0000), 0);
    const CPoint at[] = {{20, 30}, {20, 100}, {20, 170}};
    for (CPoint p : at) {
        d->SetDlgItemText(IDC_COMMENT, std::string(p == at[0] ? 60 : 3, 'W').c_str());
        click(p);
        d->OnApply();
    }
    const auto blue = [&](CPoint p) {
        const QImage img = image();
        int n = 0;
        for (int y = p.y; y < p.y + 12; ++y)
            for (int x = p.x; x < p.x + 20; ++x) n += (img.pixel(x, y) & 0xFFFFFF) == 0x0000FF;
        return n;
    };
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_GT(blue(at[0]) * blue(at[1]) * blue(at[2]), 0);
    list.SetSel(0);
    list.SetSel(2);
    view->m_pEraseCommentDlg->OnApply();
    CString left;
    list.GetText(0, left);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(left, view->m_pRenderer->comments->head->name);
    EXPECT_EQ(view->m_pRenderer->comments->head->next, nullptr);
    EXPECT_EQ(view->m_pRenderer->comments->head->position, at[1]);
    EXPECT_EQ(blue(at[0]) + blue(at[2]), 0);
    EXPECT_GT(blue(at[1]), 0);
}

} // namespace
