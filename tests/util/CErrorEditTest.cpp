#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "module/ResourceIds.h"
#include "platform/dlg/ModalResponder.h"
#include "util/CErrorEdit.h"

namespace {

// Captures every message box instead of showing it.
struct Messages {
    std::vector<std::string> texts;
    ModalResponder previous = AfxSetModalResponder([this](ModalRequest& r) {
        if (r.kind == ModalRequest::MessageBox) texts.push_back(r.text);
        return IDOK;
    });
    ~Messages() { AfxSetModalResponder(previous); }
};

struct Check {
    const char* text;
    int (*run)(const CErrorEdit&);
    int expected;
    const char* message; // nullptr when the check passes
};

} // namespace

TEST(CErrorEdit, ChecksReadTheTextLikeAtoiAndAtofAndNameTheBoundOnFailure) {
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_GRADUATE, NULL));
    CEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_GRADSTEP, &dialog));
    CErrorEdit check(&edit);

    const Check table[] = {
        {"  12abc", [](const CErrorEdit& e) { return e.MoreThan(11); }, 1, nullptr},
        {"12", [](const CErrorEdit& e) { return e.MoreThan(12); }, 0, "Input a value more than 12"},
        {"12", [](const CErrorEdit& e) { return e.MoreEqual(12); }, 1, nullptr},
        {"11", [](const CErrorEdit& e) { return e.MoreEqual(12); }, 0,
         "Input a value more than or equal to 12"},
        {"12", [](const CErrorEdit& e) { return e.LessThan(12); }, 0, "Input a value less than 12"},
        {"12", [](const CErrorEdit& e) { return e.LessEqual(12); }, 1, nullptr},
        {"13", [](const CErrorEdit& e) { return e.LessEqual(12); }, 0,
         "Input a value less than or equal to 12"},
        {"abc", [](const CErrorEdit& e) { return e.MoreThan(0.0); }, 0,
         "Input a value more than 0.000000e+00"},
        {"abc", [](const CErrorEdit& e) { return e.MoreEqual(0.0); }, 1, nullptr},
        {"1e3", [](const CErrorEdit& e) { return e.LessThan(1000.0); }, 0,
         "Input a value less than 1.000000e+03"},
        {"1e3", [](const CErrorEdit& e) { return e.LessThan(2); }, 1, nullptr}, // atoi reads 1
        {"1e3", [](const CErrorEdit& e) { return e.LessEqual(1000.0); }, 1, nullptr},
        {"-2.5", [](const CErrorEdit& e) { return e.MoreEqual(-2.5); }, 1, nullptr},
        {"-2.5", [](const CErrorEdit& e) { return e.LessEqual(-2.6); }, 0,
         "Input a value less than or equal to -2.600000e+00"},
        {"2.5", [](const CErrorEdit& e) { return e.LessEqual(2.2); }, 0,
         "Input a value less than or equal to 2.200000e+00"},
    };
    for (const Check& c : table) {
        SCOPED_TRACE(c.text);
        edit.SetWindowText(c.text);
        edit.SetSel(0, 0);
        Messages messages;
        EXPECT_EQ(c.run(check), c.expected);
        if (c.message) {
            ASSERT_EQ(messages.texts.size(), 1u);
            EXPECT_EQ(messages.texts[0], c.message);
            // The whole text is selected for retyping, and left as typed.
            int start = -1, end = -1;
            edit.GetSel(start, end);
            EXPECT_EQ(start, 0);
            EXPECT_EQ(end, int(std::string(c.text).size()));
        } else {
            EXPECT_TRUE(messages.texts.empty());
        }
        CString after;
        edit.GetWindowText(after);
        EXPECT_EQ(after, c.text);
    }
}
