// Dialogs built from a test template: every control kind, the control messages, data exchange
// and its failures, and modal runs answered by the responder.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/afx/ResourceChain.h"
#include "platform/ctl/controls.h"
#include "platform/dlg/CDataExchange.h"
#include "platform/dlg/CDialog.h"
#include "platform/dlg/ModalResponder.h"
#include "platform/wnd/CFrameWnd.h"
#include "platform/wnd/wnd_p.h"

namespace {

constexpr DWORD child = WS_CHILD | WS_VISIBLE;
constexpr DWORD edit = child | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD radio = child | BS_AUTORADIOBUTTON;
const DLGITEMTEMPLATE_DATA items[] = {
    {WC_EDITA, "", edit | WS_GROUP, 60, 7, 60, 14, 101},
    {WC_EDITA, "", edit, 60, 25, 60, 14, 102},
    {WC_EDITA, "", edit, 60, 43, 60, 14, 103},
    {WC_EDITA, "", edit, 60, 61, 60, 14, 104},
    {WC_BUTTONA, "&Automatic", radio | WS_GROUP | WS_TABSTOP, 7, 80, 60, 10, 110},
    {WC_BUTTONA, "&Manual", radio, 7, 92, 60, 10, 111},
    {WC_BUTTONA, "A", radio | WS_GROUP | WS_TABSTOP, 80, 80, 30, 10, 112},
    {WC_BUTTONA, "B", radio, 80, 92, 30, 10, 113},
    {WC_BUTTONA, "C", radio, 80, 104, 30, 10, 114},
    {WC_STATICA, "Count", child | SS_LEFT | WS_GROUP, 7, 9, 50, 8, 120},
    {WC_LISTBOXA, "", child | WS_BORDER | WS_VSCROLL | LBS_EXTENDEDSEL, 130, 7, 60, 50, 130},
    {TRACKBAR_CLASSA, "", child | TBS_HORZ | WS_TABSTOP, 130, 60, 60, 15, 140},
    {WC_LISTVIEWA, "", child | WS_BORDER | LVS_REPORT, 130, 80, 60, 40, 150},
    {WC_BUTTONA, "OK", child | WS_TABSTOP | BS_DEFPUSHBUTTON, 80, 125, 50, 14, IDOK},
    {WC_BUTTONA, "Cancel", child | WS_TABSTOP, 140, 125, 50, 14, IDCANCEL},
};
const DLGTEMPLATE_DATA templates[] = {
    {900, "Test", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 200, 145, "MS Shell Dlg", 8,
     items, int(std::size(items))},
    {901, "Shown", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 50, nullptr, 0, items + 13, 2},
};

class CTestDlg : public CDialog {
public:
    explicit CTestDlg(UINT id = 900) : CDialog(id) {}
    int m_n = 7;
    double m_d = 2.5;
    UINT m_u = 3;
    CString m_s = "abc";
    int m_mode = 1, m_letter = 2;
    CEdit m_edit;
    std::vector<std::string> log;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 101, m_edit);
        DDX_Text(pDX, 101, m_n);
        DDX_Text(pDX, 102, m_d);
        DDX_Text(pDX, 103, m_u);
        DDV_MinMaxUInt(pDX, m_u, 1, 10);
        DDX_Text(pDX, 104, m_s);
        DDV_MaxChars(pDX, m_s, 5);
        DDX_Radio(pDX, 110, m_mode);
        DDX_Radio(pDX, 112, m_letter);
    }
    afx_msg void OnManual() { log.push_back("manual"); }
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
        log.push_back("hscroll " + std::to_string(code) + " " + std::to_string(pos) +
                      (bar == GetDlgItem(140) ? " slider" : " ?"));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
ON_BN_CLICKED(111, &CTestDlg::OnManual)
ON_WM_HSCROLL()
END_MESSAGE_MAP()

// The test templates on the resource chain, and a responder that records every request.
struct Dialogs : testing::Test {
    void SetUp() override {
        addResourceTemplates(templates, int(std::size(templates)));
        previous = AfxSetModalResponder([this](ModalRequest& r) {
            if (r.kind == ModalRequest::MessageBox) {
                messages.push_back(r.text);
                return IDOK;
            }
            return IDCANCEL;
        });
        ASSERT_TRUE(dlg.Create(900, nullptr));
    }
    void TearDown() override {
        dlg.DestroyWindow();
        AfxSetModalResponder(previous);
        removeResourceTemplates(templates);
    }
    CString text(int id) {
        CString s;
        dlg.GetDlgItemText(id, s);
        return s;
    }
    CTestDlg dlg; // created from the test template, hidden
    ModalResponder previous;
    std::vector<std::string> messages;
};

} // namespace

TEST_F(Dialogs, ModelessDialogHasEveryControlOfItsTemplate) {
    EXPECT_FALSE(dlg.IsWindowVisible());
    const struct {
        int id;
        CRuntimeClass* wrapper;
        const char* widget;
    } expected[] = {
        {101, RUNTIME_CLASS(CEdit), "QLineEdit"},
        {110, RUNTIME_CLASS(CButton), "QRadioButton"},
        {120, RUNTIME_CLASS(CStatic), "QLabel"},
        {130, RUNTIME_CLASS(CListBox), "QListWidget"},
        {140, RUNTIME_CLASS(CSliderCtrl), "QSlider"},
        {150, RUNTIME_CLASS(CListCtrl), "QTreeWidget"},
        {IDOK, RUNTIME_CLASS(CButton), "QPushButton"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.id);
        CWnd* item = dlg.GetDlgItem(e.id);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->IsKindOf(e.wrapper));
        EXPECT_STREQ(wnd::widgetOf(item->m_hWnd)->metaObject()->className(), e.widget);
        EXPECT_EQ(item->GetDlgCtrlID(), e.id);
    }
    // Controls sit where the template puts them, in dialog units.
    CRect placed(130, 7, 190, 57), actual;
    dlg.MapDialogRect(&placed);
    dlg.GetDlgItem(130)->GetWindowRect(&actual);
    dlg.ScreenToClient(&actual);
    EXPECT_EQ(actual.TopLeft(), placed.TopLeft());
    EXPECT_LE(std::abs(actual.Width() - placed.Width()), 1);
    CRect client, size(0, 0, 200, 145);
    dlg.GetClientRect(&client);
    dlg.MapDialogRect(&size);
    EXPECT_EQ(client.Size(), size.Size());
    EXPECT_GT(client.Width(), 200); // dialog units are wider than pixels
    // Tab order is template order.
    std::vector<QWidget*> order;
    for (const DLGITEMTEMPLATE_DATA& item : items)
        order.push_back(wnd::widgetOf(dlg.GetDlgItem(item.id)->m_hWnd));
    std::vector<QWidget*> chain;
    for (QWidget* w = order.front(); chain.size() < order.size(); w = w->nextInFocusChain())
        if (std::find(order.begin(), order.end(), w) != order.end()) chain.push_back(w);
    EXPECT_EQ(chain, order);
    EXPECT_EQ(text(120), "Count");
    // The first control that takes the tab gets the focus; DDX_Control takes the edit over.
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(101));
    EXPECT_EQ(dlg.GetDlgItem(101), &dlg.m_edit);
    EXPECT_EQ(text(101), "7");
    EXPECT_EQ(text(102), "2.5");

    CDialog shown;
    ASSERT_TRUE(shown.Create(901, nullptr));
    EXPECT_TRUE(shown.IsWindowVisible());
}

// A missing template creates nothing; a modal run with no display and no responder is
// cancelled at once.
TEST_F(Dialogs, MissingTemplateCreatesNothingAndModalWithoutResponderCancels) {
    CTestDlg missing(777);
    EXPECT_FALSE(missing.Create(777, nullptr));
    EXPECT_EQ(missing.m_hWnd, nullptr);
    EXPECT_EQ(missing.DoModal(), -1);
    CDialog plain;
    EXPECT_FALSE(plain.Create(778));
    AfxSetModalResponder({});
    CTestDlg modal;
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_EQ(modal.m_hWnd, nullptr);
}

TEST_F(Dialogs, RadioGroupsAreSeparateAndExchangeTheirIndex) {
    EXPECT_EQ(dlg.IsDlgButtonChecked(111), BST_CHECKED);
    EXPECT_EQ(dlg.IsDlgButtonChecked(114), BST_CHECKED);
    dlg.SendDlgItemMessage(112, BM_CLICK);
    dlg.SendDlgItemMessage(110, BM_CLICK);
    dlg.SendDlgItemMessage(111, BM_CLICK);
    EXPECT_EQ(dlg.IsDlgButtonChecked(110), BST_UNCHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_mode, 1);
    EXPECT_EQ(dlg.m_letter, 0);
    EXPECT_EQ(dlg.log, std::vector<std::string>{"manual"});
    dlg.m_letter = -1; // no button of the group checked
    dlg.UpdateData(FALSE);
    for (int id : {112, 113, 114}) EXPECT_EQ(dlg.IsDlgButtonChecked(id), BST_UNCHECKED);
}

// What the comment list relies on: several selected items, each selection staying with its item
// through deletions, names found whatever their case; a single-selection list keeps one item.
TEST_F(Dialogs, ListSelectionsFollowTheirItemsAndSingleSelectionKeepsOne) {
    auto* list = static_cast<CListBox*>(dlg.GetDlgItem(130));
    for (const char* s : {"alpha", "gamma", "delta"}) list->AddString(s);
    EXPECT_EQ(list->InsertString(1, "Beta"), 1);
    list->SetSel(0);
    list->SetSel(3);
    list->SetSel(2);
    list->SetSel(2, FALSE);
    EXPECT_EQ(list->FindStringExact(-1, "BETA"), 1);
    EXPECT_EQ(list->FindStringExact(1, "beta"), 1); // round to the start
    EXPECT_EQ(list->FindStringExact(-1, "bet"), LB_ERR);
    EXPECT_EQ(list->DeleteString(0), 3);
    int sel[4] = {-1, -1, -1, -1};
    EXPECT_EQ(list->GetSelItems(4, sel), 1);
    EXPECT_EQ(sel[0], 2);
    CString s;
    list->GetText(2, s);
    EXPECT_EQ(s, "delta");

    CListBox sorted;
    ASSERT_TRUE(sorted.Create(LBS_SORT | LBS_NOTIFY, CRect(0, 0, 50, 50), &dlg, 170));
    for (const char* s : {"pear", "Apple", "fig"}) sorted.AddString(s);
    sorted.GetText(0, s);
    EXPECT_EQ(s, "Apple");
    EXPECT_EQ(sorted.SetSel(0), LB_ERR);
    sorted.SetCurSel(2);
    EXPECT_EQ(sorted.SetCurSel(1), 1);
    EXPECT_EQ(sorted.GetCurSel(), 1);

    CListCtrl view;
    ASSERT_TRUE(view.Create(LVS_REPORT | LVS_SINGLESEL, CRect(0, 0, 50, 50), &dlg, 171));
    EXPECT_EQ(view.InsertItem(0, "a"), 0);
    EXPECT_EQ(view.InsertItem(5, "b"), 1); // past the end: appended
    view.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    view.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(view.GetItemState(0, LVIS_SELECTED | LVIS_FOCUSED), LVIS_FOCUSED);
    EXPECT_EQ(view.GetSelectedCount(), 1u);
    EXPECT_EQ(view.GetNextItem(-1, LVNI_SELECTED), 1);
}

TEST_F(Dialogs, SliderMovesByTheUserReachTheParentsScrollHandler) {
    auto* slider = static_cast<CSliderCtrl*>(dlg.GetDlgItem(140));
    slider->SetRange(1, 10);
    dlg.SendDlgItemMessage(140, TBM_SETPOS, TRUE, 4);
    EXPECT_EQ(dlg.SendDlgItemMessage(140, TBM_GETPOS), 4);
    slider->SetPos(20);
    EXPECT_EQ(slider->GetPos(), 10);
    EXPECT_TRUE(dlg.log.empty()); // the program's own changes notify nobody
    slider->SetPos(4);
    auto* q = qobject_cast<QSlider*>(wnd::widgetOf(slider->m_hWnd));
    q->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    q->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"hscroll 1 5 slider", "hscroll 8 5 slider",
                                                 "hscroll 6 1 slider", "hscroll 8 1 slider"}));
}

TEST_F(Dialogs, ExchangeFailuresTellTheUserFocusTheControlAndKeepLaterFields) {
    const struct {
        int id;
        const char* typed;
        const char* message;
    } cases[] = {
        {101, "abc", "Please enter an integer."},
        {101, "12x", "Please enter an integer."},
        {101, "99999999999", "Please enter an integer."},
        {102, "1.5.2", "Please enter a number."},
        {102, "", "Please enter a number."},
        {103, "-1", "Please enter a positive integer."},
        {103, "0", "Please enter an integer between 1 and 10."},
        {104, "toolong", "Enter no more than 5 characters."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CTestDlg d;
        ASSERT_TRUE(d.Create(900));
        messages.clear();
        d.SetDlgItemText(c.id, c.typed);
        d.SetDlgItemText(110, "x");
        d.CheckRadioButton(110, 111, 110); // would change m_mode if the exchange went on
        EXPECT_FALSE(d.UpdateData(TRUE));
        EXPECT_EQ(messages, std::vector<std::string>{c.message});
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(c.id));
        auto* line = qobject_cast<QLineEdit*>(wnd::widgetOf(d.GetDlgItem(c.id)->m_hWnd));
        EXPECT_EQ(line->selectedText(), line->text());
        EXPECT_EQ(d.m_mode, 1);
        EXPECT_EQ(d.m_n, 7);
        EXPECT_EQ(d.m_d, 2.5);
    }
    dlg.SetDlgItemText(101, " -42 ");
    dlg.SetDlgItemText(102, "2.5e1");
    dlg.SetDlgItemText(104, "hello");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_n, -42);
    EXPECT_EQ(dlg.m_d, 25.0);
    EXPECT_EQ(dlg.m_s, "hello");
}

TEST_F(Dialogs, EnterCommandOkAndEscapeOrCloseEndAModelessDialogHiddenWithOrWithoutExchange) {
    const auto key = [](int k) {
        return [k](CWnd& d) {
            QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
            QCoreApplication::sendEvent(wnd::widgetOf(d.m_hWnd), &press);
        };
    };
    const struct {
        std::function<void(CWnd&)> end;
        int n;
    } cases[] = {
        {key(Qt::Key_Return), 55}, // the default button
        {key(Qt::Key_Escape), 7},
        {[](CWnd& d) { d.SendMessage(WM_CLOSE); }, 7}, // the title bar's close: Cancel
        {[](CWnd& d) { d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }, 55},
    };
    for (const auto& c : cases) {
        CTestDlg d;
        ASSERT_TRUE(d.Create(900));
        d.ShowWindow(SW_SHOW);
        d.SetDlgItemText(101, "55");
        c.end(d);
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
        EXPECT_FALSE(d.IsWindowVisible());
        EXPECT_TRUE(IsWindow(d.m_hWnd)); // hidden, not destroyed
        EXPECT_EQ(d.m_n, c.n);
    }
}

TEST_F(Dialogs, TextLimitStopsTypingButNotTheProgram) {
    // DDV_MaxChars limits 104 to 5 characters.
    EXPECT_EQ(dlg.m_edit.GetLimitText(), 30000u);
    QWidget* line = wnd::widgetOf(dlg.GetDlgItem(104)->m_hWnd);
    const auto type = [&](const char* keys) {
        for (const char* k = keys; *k; ++k) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(*k)));
            QCoreApplication::sendEvent(line, &press);
        }
    };
    type("xyz");
    EXPECT_EQ(text(104), "abcxy");
    dlg.SetDlgItemText(104, "programmatic");
    EXPECT_EQ(text(104), "programmatic");
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &back);
    EXPECT_EQ(text(104), "programmati");
}
