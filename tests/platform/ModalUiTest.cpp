// Message boxes and the font dialog: answered by the responder, or, headless with none, by
// their default without waiting; fonts and colours travel both ways.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/AfxMessageBox.h"
#include "platform/CFontDialog.h"
#include "platform/ModalResponder.h"
#include "platform/gdi_p.h"

namespace {

// Sets a responder for one test and restores the previous one.
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

} // namespace

TEST(AfxMessageBox, TheResponderSeesTextAndTypeAndAnswers) {
    ModalRequest seen{ModalRequest::Dialog};
    std::string text;
    Responder r([&](ModalRequest& q) {
        seen = q, text = q.text;
        return IDNO;
    });
    EXPECT_EQ(AfxMessageBox("Overwrite?", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(seen.kind, ModalRequest::MessageBox);
    EXPECT_EQ(text, "Overwrite?");
    EXPECT_EQ(seen.type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(AfxMessageBox(42u, MB_OKCANCEL), IDNO);
    EXPECT_EQ(text, "Message 42");
    EXPECT_EQ(seen.type, MB_OKCANCEL);
}

TEST(AfxMessageBox, HeadlessWritesOneLineAndReturnsTheDefaultButton) {
    ASSERT_FALSE(AfxGetModalResponder());
    gdi::ensureQt(); // Qt's own start-up notes stay out of the captured text
    struct Case {
        UINT type;
        int answer;
    };
    for (Case c :
         {Case{MB_OK, IDOK}, Case{MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
          Case{MB_YESNO | MB_DEFBUTTON2 | MB_ICONWARNING, IDNO},
          Case{MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
          Case{MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, IDRETRY},
          Case{MB_RETRYCANCEL | MB_ICONERROR, IDRETRY}, Case{MB_OKCANCEL | MB_DEFBUTTON3, IDOK}}) {
        testing::internal::CaptureStderr();
        int answer = AfxMessageBox("Line one\nline two\r\nend", c.type);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Line one line two  end\n");
        EXPECT_EQ(answer, c.answer) << c.type;
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
        EXPECT_EQ(std::memcmp(&back, &lf, sizeof lf), 0) << lf.lfFaceName;
    }
    // A chooser's point size becomes the pixel height at 96 dots per inch.
    QFont twelve("DejaVu Sans");
    twelve.setPointSize(12);
    LOGFONTA lf{};
    gdi::toLogFont(twelve, lf);
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_STREQ(lf.lfFaceName, "DejaVu Sans");
}

TEST(CFontDialog, OkWritesTheChoiceBackAndCancelKeepsEverything) {
    const LOGFONTA initial = logFont(-11, FW_NORMAL, 0, 0, 0, "MS Sans Serif");
    const LOGFONTA chosen = logFont(-20, FW_BOLD, 1, 0, 0, "DejaVu Serif");
    for (int answer : {IDOK, IDCANCEL}) {
        LOGFONTA host = initial;
        CFontDialog dlg(&host, CF_EFFECTS | CF_SCREENFONTS);
        dlg.m_cf.rgbColors = RGB(0, 255, 0);
        Responder r([&](ModalRequest& q) {
            EXPECT_EQ(q.kind, ModalRequest::FontDialog);
            auto* d = static_cast<CFontDialog*>(q.object);
            d->m_lf = chosen;
            d->m_cf.rgbColors = RGB(1, 2, 3);
            return answer;
        });
        EXPECT_EQ(dlg.DoModal(), answer);
        const LOGFONTA& expected = answer == IDOK ? chosen : initial;
        EXPECT_EQ(std::memcmp(&host, &expected, sizeof host), 0);
        EXPECT_EQ(std::memcmp(&dlg.m_lf, &expected, sizeof host), 0);
        LOGFONTA current{};
        dlg.GetCurrentFont(&current);
        EXPECT_EQ(std::memcmp(&current, &expected, sizeof host), 0);
        EXPECT_EQ(dlg.GetColor(), answer == IDOK ? RGB(1, 2, 3) : RGB(0, 255, 0));
        EXPECT_EQ(dlg.GetFaceName(), CString(expected.lfFaceName));
        EXPECT_EQ(dlg.IsBold(), answer == IDOK);
        EXPECT_EQ(dlg.IsItalic(), answer == IDOK);
        if (answer == IDOK) {
            EXPECT_EQ(dlg.GetSize(), 150); // 20 pixels at 96 dpi: 15 points
            EXPECT_EQ(dlg.GetStyleName(), CString("Bold Italic"));
        }
    }
}

TEST(CFontDialog, HeadlessWithoutResponderCancelsAndWithoutInitialFontFillsItsOwn) {
    ASSERT_FALSE(AfxGetModalResponder());
    LOGFONTA host = logFont(-11, FW_NORMAL, 0, 0, 0, "MS Sans Serif");
    const LOGFONTA before = host;
    CFontDialog headless(&host);
    EXPECT_EQ(headless.m_cf.Flags & (CF_EFFECTS | CF_SCREENFONTS), CF_EFFECTS | CF_SCREENFONTS);
    EXPECT_EQ(headless.DoModal(), IDCANCEL);
    EXPECT_EQ(std::memcmp(&host, &before, sizeof host), 0);

    CFontDialog own;
    EXPECT_EQ(own.m_cf.lpLogFont, &own.m_lf);
    Responder r([](ModalRequest& q) {
        static_cast<CFontDialog*>(q.object)->m_lf.lfWeight = FW_BOLD;
        return IDOK;
    });
    EXPECT_EQ(own.DoModal(), IDOK);
    EXPECT_TRUE(own.IsBold());
}
