// Message boxes and the font dialog: answered by the responder, or, headless with none, by
// their default without waiting; fonts and colours travel both ways.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/afx/QtApplication.h"
#include "platform/dlg/AfxMessageBox.h"
#include "platform/dlg/CFontDialog.h"
#include "platform/dlg/ModalResponder.h"
#include "platform/gdi/gdi_p.h"

namespace {

// Sets a responder for one scope and restores the previous one.
struct Responder {
    explicit Responder(ModalResponder r) : previous(AfxSetModalResponder(std::move(r))) {}
    ~Responder() { AfxSetModalResponder(previous); }
    ModalResponder previous;
};

LOGFONTA logFont(LONG height, LONG weight, BYTE italic, BYTE underline, BYTE strikeOut,
                 const char* face) {
    LOGFONTA lf{};
    lf.lfHeight = height, lf.lfWeight = weight;
    lf.lfItalic = italic, lf.lfUnderline = underline, lf.lfStrikeOut = strikeOut;
    lf.lfEscapement = 900, lf.lfPitchAndFamily = 0x22, lf.lfQuality = 1;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return lf;
}

bool same(const LOGFONTA& a, const LOGFONTA& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

TEST(AfxMessageBox, TheResponderAnswersAndHeadlessWritesOneLineAndTakesTheDefault) {
    {
        std::string seen;
        Responder r([&](ModalRequest& q) {
            seen = std::string(q.text) + " " + std::to_string(q.type) + " " +
                   std::to_string(q.kind == ModalRequest::MessageBox);
            return IDNO;
        });
        EXPECT_EQ(AfxMessageBox("Overwrite?", MB_YESNO | MB_ICONQUESTION), IDNO);
        EXPECT_EQ(seen, "Overwrite? 36 1");
        EXPECT_EQ(AfxMessageBox(42u, MB_OKCANCEL), IDNO);
        EXPECT_EQ(seen, "Message 42 1 1");
    }
    ensureQtApplication(); // Qt's own start-up notes stay out of the captured text
    const std::pair<UINT, int> cases[] = {{MB_OK, IDOK},
                                          {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
                                          {MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING, IDNO},
                                          {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
                                          {MB_OKCANCEL | MB_DEFBUTTON3, IDOK},
                                          {MB_RETRYCANCEL, IDRETRY}};
    for (auto [type, answer] : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(AfxMessageBox("Line one\nline two\r\nend", type), answer) << type;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Line one line two  end\n");
    }
}

TEST(CFontDialog, LogicalFontsSurviveTheQtFontBothWays) {
    for (const LOGFONTA& lf :
         {logFont(-11, FW_NORMAL, 0, 0, 0, "DejaVu Sans"), logFont(-20, FW_BOLD, 1, 1, 1, "Serif"),
          logFont(-7, 300, 0, 1, 0, "Monospace")}) {
        LOGFONTA back = lf;
        std::memset(back.lfFaceName, 'x', LF_FACESIZE);
        back.lfHeight = back.lfWeight = back.lfItalic = back.lfUnderline = back.lfStrikeOut = 0;
        gdi::toLogFont(gdi::qtFont(lf), back);
        EXPECT_TRUE(same(back, lf)) << lf.lfFaceName;
    }
    QFont twelve("DejaVu Sans", 12); // a chooser's points: pixels at 96 dots per inch
    LOGFONTA lf{};
    gdi::toLogFont(twelve, lf);
    EXPECT_EQ(lf.lfHeight, -16);
}

TEST(CFontDialog, OkWritesTheChoiceBackAndCancelOrNoDisplayKeepsEverything) {
    const LOGFONTA initial = logFont(-11, FW_NORMAL, 0, 0, 0, "MS Sans Serif");
    const LOGFONTA chosen = logFont(-20, FW_BOLD, 1, 0, 0, "DejaVu Serif");
    for (int answer : {IDOK, IDCANCEL, 0}) {
        LOGFONTA host = initial;
        CFontDialog dlg(&host);
        dlg.m_cf.rgbColors = RGB(0, 255, 0);
        Responder r(answer ? ModalResponder([&](ModalRequest& q) {
            EXPECT_EQ(q.kind, ModalRequest::FontDialog);
            static_cast<CFontDialog*>(q.object)->m_lf = chosen;
            static_cast<CFontDialog*>(q.object)->m_cf.rgbColors = RGB(1, 2, 3);
            return answer;
        })
                           : ModalResponder());
        EXPECT_EQ(dlg.DoModal(), answer == IDOK ? IDOK : IDCANCEL);
        const LOGFONTA& expected = answer == IDOK ? chosen : initial;
        LOGFONTA current{};
        dlg.GetCurrentFont(&current);
        EXPECT_TRUE(same(host, expected) && same(dlg.m_lf, expected) && same(current, expected));
        EXPECT_EQ(dlg.GetColor(), answer == IDOK ? RGB(1, 2, 3) : RGB(0, 255, 0));
        EXPECT_EQ(dlg.GetFaceName(), CString(expected.lfFaceName));
        EXPECT_EQ(dlg.IsBold() && dlg.IsItalic(), answer == IDOK);
        EXPECT_EQ(dlg.GetSize(), answer == IDOK ? 150 : 0); // 20 pixels: 15 points
    }
}
