// Printing: the picture captured at preparation, stretched onto the page with its proportions.
#include <filesystem>

#include "../TempDir.h"
#include "GLViewFixture.h"
#include "draw/Canvas.h"
#include "platform/afx/TraceSink.h"
#include "platform/dlg/CPrintDialog.h"
#include "platform/dlg/CPrintInfo.h"
#include "platform/dlg/ModalResponder.h"

using namespace view_test;

namespace {

// A memory bitmap standing in for a printer page, recording the calls made on it.
struct Page : Canvas {
    TraceSink sink;
    Page(int w, int h) : Canvas(w, h) {
        dc.FillSolidRect(0, 0, w, h, RGB(1, 2, 3));
        dc.setTrace(&sink);
    }
    ~Page() { dc.setTrace(nullptr); } // the sink goes before the canvas deletes its DC
};

struct PrintView : FramedView {
    // Sizes the view and captures it, the print dialog answered as given.
    void prepare(CPrintInfo& info, CSize viewSize, int answer = IDOK) {
        sizeClient(viewSize.cx, viewSize.cy);
        pump();
        EXPECT_EQ(client().Size(), viewSize);
        ModalResponder previous = AfxSetModalResponder([answer](ModalRequest& q) {
            return q.kind == ModalRequest::PrintDialog ? answer : IDCANCEL;
        });
        const BOOL go = view->OnPreparePrinting(&info);
        AfxSetModalResponder(previous);
        EXPECT_EQ(go, answer == IDOK);
    }
    // Prepares, then prints on a page of the given size; the stretch call.
    std::string print(CSize viewSize, CSize pageSize, int answer = IDOK) {
        CPrintInfo info;
        prepare(info, viewSize, answer);
        Page page(pageSize.cx, pageSize.cy);
        info.m_rectDraw = CRect(0, 0, pageSize.cx, pageSize.cy);
        view->OnPrint(&page.dc, &info);
        const auto lines = page.sink.lines({"StretchDIBits"});
        return lines.size() == 1 ? lines[0] : "calls: " + std::to_string(lines.size());
    }
};

// A cancelled dialog still captures the picture; a client larger than the surface prints the
// surface's top-left part.
TEST_F(PrintView, StretchKeepsProportionsAndCentresOnTheAxisWithRoom) {
    struct Case {
        CSize view, page;
        const char* call;
        int answer = IDOK;
    };
    for (Case c : {
             // A wide view on a tall page: full width, centred vertically.
             Case{{400, 200}, {1000, 1500}, "StretchDIBits(0,500,1000,500,0,1000,400,200)"},
             // A tall view on a wide page: full height, centred horizontally.
             Case{{200, 400}, {1500, 1000}, "StretchDIBits(500,0,500,1000,0,800,200,400)"},
             // Same proportions: the whole drawing rectangle.
             Case{{300, 200}, {900, 600}, "StretchDIBits(0,0,900,600,0,1000,300,200)"},
             // Sizes and offsets truncated, though 666.67 and 167.5 are nearer the next.
             Case{{300, 200}, {1000, 1001}, "StretchDIBits(0,167,1000,666,0,1000,300,200)"},
             Case{{200, 300}, {1001, 1000}, "StretchDIBits(167,0,666,1000,0,900,200,300)"},
             Case{{300, 200}, {300, 200}, "StretchDIBits(0,0,300,200,0,1000,300,200)", IDCANCEL},
             Case{{1500, 1300}, {1500, 1300}, "StretchDIBits(0,0,1500,1300,0,0,1200,1200)"},
         })
        EXPECT_EQ(print(c.view, c.page, c.answer), c.call) << c.view.cx << "x" << c.view.cy;
}

TEST_F(PrintView, PrintsThePictureOfPreparationEvenAfterARepaint) {
    sizeClient(240, 160);
    pump();
    view->addSeries();
    view->OnBackColorWhite();
    EXPECT_EQ(pixel(1, 1), RGB(255, 255, 255));
    std::vector<COLORREF> shown;
    {
        CClientDC dc(view);
        for (int y = 0; y < 160; ++y)
            for (int x = 0; x < 240; ++x) shown.push_back(dc.GetPixel(x, y));
    }
    CPrintInfo info;
    prepare(info, {240, 160});
    view->OnBackColorBlack();
    EXPECT_EQ(pixel(1, 1), RGB(0, 0, 0));
    Page page(240, 160);
    info.m_rectDraw = CRect(0, 0, 240, 160);
    view->OnPrint(&page.dc, &info);
    int differ = 0;
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 240; ++x)
            differ += page.dc.GetPixel(x, y) != shown[size_t(y * 240 + x)];
    EXPECT_EQ(differ, 0);
}

// The framework's printing sequence, answered by the responder: to a PDF file, cancelled, or on
// a printer that does not exist.
TEST_F(PrintView, PrintToFileWritesAPdfAndCancelOrABadPrinterWritesNothing) {
    TempDir dir;
    const std::string pdf = dir / "view.pdf";
    struct Case {
        int answer;
        const char* device;
        bool written;
    };
    for (Case c :
         {Case{IDOK, "", true}, Case{IDCANCEL, "", false}, Case{IDOK, "no such printer", false}}) {
        int asked = 0;
        ModalResponder previous = AfxSetModalResponder([&](ModalRequest& q) {
            if (q.kind != ModalRequest::PrintDialog) return IDCANCEL;
            ++asked;
            auto* pd = static_cast<CPrintDialog*>(q.object);
            pd->m_strDeviceName = c.device;
            if (!*c.device) {
                pd->m_pd.Flags |= PD_PRINTTOFILE;
                pd->m_strPrintToFile = pdf.c_str();
            }
            return c.answer;
        });
        view->OnFilePrint();
        AfxSetModalResponder(previous);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(readFile(pdf).rfind("%PDF-", 0) == 0, c.written) << c.answer << " " << c.device;
        std::filesystem::remove(pdf);
    }
}

} // namespace
