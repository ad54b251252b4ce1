#include <gtest/gtest.h>

#include <QSlider>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/CGraduateDlg.h"
#include "dialogs/CMiniGraduateDlg.h"
#include "module/ResourceIds.h"
#include "platform/dlg/ModalResponder.h"
#include "platform/wnd/QtWidgetOf.h"

namespace {

// Drives a modal dialog: each round of the dialog runs the next step, which inspects or changes
// the controls and answers the button to press. Message boxes are recorded, not shown.
struct Script {
    std::vector<std::function<int(CDialog&)>> steps;
    std::vector<std::string> messages;
    size_t next = 0;
    ModalResponder previous;

    explicit Script(std::vector<std::function<int(CDialog&)>> s) : steps(std::move(s)) {
        previous = AfxSetModalResponder([this](ModalRequest& r) {
            if (r.kind == ModalRequest::MessageBox) {
                messages.push_back(r.text);
                return int(IDOK);
            }
            if (next >= steps.size()) return int(IDCANCEL);
            return steps[next++](*static_cast<CDialog*>(r.object));
        });
    }
    ~Script() { AfxSetModalResponder(previous); }
};

bool enabled(CDialog& d, UINT id) {
    return d.GetDlgItem(id)->IsWindowEnabled();
}

CString text(CDialog& d, UINT id) {
    CString s;
    d.GetDlgItemText(id, s);
    return s;
}

} // namespace

TEST(GraduateDlg, RadioChoicesEnableTheirControlsAndTheSliderEchoesEveryMove) {
    CGraduateDlg dlg;
    dlg.m_bMaxOnly = 1;
    dlg.m_nRangeMode = 1;
    dlg.m_dLargeGrad = 2.5;
    dlg.m_nSmallGrad = 4;
    Script script({
        [](CDialog& d) {
            // Opening with a manual range enables both bounds whatever m_bMaxOnly says.
            EXPECT_TRUE(enabled(d, IDC_MAX) && enabled(d, IDC_MIN));
            EXPECT_FALSE(enabled(d, IDC_GRADSTEP) || enabled(d, IDC_SMALLGRADSLIDER));
            EXPECT_EQ(text(d, IDC_SMALLGRAD), "4");
            return int(IDC_RANGEMANUAL);
        },
        [](CDialog& d) {
            EXPECT_TRUE(enabled(d, IDC_MAX));
            EXPECT_FALSE(enabled(d, IDC_MIN));
            return int(IDC_RANGEAUTO);
        },
        [](CDialog& d) {
            EXPECT_FALSE(enabled(d, IDC_MAX) || enabled(d, IDC_MIN));
            return int(IDC_GRADMANUAL);
        },
        [](CDialog& d) {
            EXPECT_TRUE(enabled(d, IDC_GRADSTEP) && enabled(d, IDC_SMALLGRADSLIDER));
            CWnd* bar = d.GetDlgItem(IDC_SMALLGRADSLIDER);
            auto* slider = qobject_cast<QSlider*>(qWidgetOf(bar->m_hWnd));
            slider->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            EXPECT_EQ(text(d, IDC_SMALLGRAD), "5");
            slider->triggerAction(QAbstractSlider::SliderToMaximum);
            EXPECT_EQ(text(d, IDC_SMALLGRAD), "10");
            return int(IDC_GRADAUTO);
        },
        [](CDialog& d) {
            EXPECT_FALSE(enabled(d, IDC_GRADSTEP) || enabled(d, IDC_SMALLGRADSLIDER));
            return int(IDOK);
        },
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(script.next, 5u);
    EXPECT_TRUE(script.messages.empty());
    EXPECT_EQ(dlg.m_nRangeMode, 0);
    EXPECT_EQ(dlg.m_nGradMode, 0);
    EXPECT_EQ(dlg.m_nSmallGrad, 10u);
    EXPECT_EQ(dlg.m_dLargeGrad, 2.5);
}

TEST(GraduateDlg, OkRefusesAStepNotAboveZeroAndACountOutsideOneToTen) {
    CGraduateDlg dlg;
    dlg.m_dMax = 7;
    Script script({
        [](CDialog&) { return int(IDOK); }, // step 0, even with automatic graduation
        [](CDialog& d) {
            // The refused text's selection is the checker's, tested with it.
            EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_GRADSTEP));
            d.SetDlgItemText(IDC_GRADSTEP, "0.5");
            d.SetDlgItemText(IDC_SMALLGRAD, "11");
            return int(IDOK);
        },
        [](CDialog&) { return int(IDCANCEL); },
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(script.messages.size(), 2u);
    EXPECT_EQ(script.messages[0], "Input a value more than 0.000000e+00");
    EXPECT_EQ(script.messages[1], "Please enter an integer between 1 and 10.");
    // The refused exchange stopped at the count's range check: the count was already taken, the
    // step and bounds that follow it were not; Cancel exchanges nothing more.
    EXPECT_EQ(dlg.m_nSmallGrad, 11u);
    EXPECT_EQ(dlg.m_dLargeGrad, 0.0);
    EXPECT_EQ(dlg.m_dMax, 7.0);
}

TEST(GraduateDlg, RangeOnlyDialogExchangesItsBounds) {
    CMiniGraduateDlg dlg;
    Script script({
        [](CDialog& d) {
            EXPECT_FALSE(enabled(d, IDC_MAX) || enabled(d, IDC_MIN));
            return int(IDC_RANGEMANUAL);
        },
        [](CDialog& d) {
            EXPECT_TRUE(enabled(d, IDC_MAX) && enabled(d, IDC_MIN));
            d.SetDlgItemText(IDC_MAX, "12.5");
            d.SetDlgItemText(IDC_MIN, "-3");
            return int(IDOK);
        },
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nRangeMode, 1);
    EXPECT_EQ(dlg.m_dMax, 12.5);
    EXPECT_EQ(dlg.m_dMin, -3.0);

    // Cancel takes nothing of what was typed.
    Script cancel({[](CDialog& d) {
        d.SetDlgItemText(IDC_MAX, "99");
        return int(IDCANCEL);
    }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_dMax, 12.5);
}
