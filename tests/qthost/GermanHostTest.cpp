// A Qt host of its own in a German locale: it makes its QApplication under de_DE.UTF-8 before
// any call into the library. The library still reads and writes numbers the C way, and leaves
// the host's locale as it was.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

#include "model/GcGraph.h"
#include "module/ResourceIds.h"
#include "platform/dlg/ModalResponder.h"
#include "render/GradLabel.h"
#include "util/CErrorEdit.h"

namespace {

bool german = false;

struct StepDialog : CDialog {
    double step = 2.5;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_GRADSTEP, step); }
};

TEST(GermanHost, NumbersAreReadAndWrittenTheCWayAndTheHostKeepsItsLocale) {
    if (!german) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/deps.sh)";
    CString s;
    s.Format("%g %ls", 2.5, L"µs"); // the radix is C's; wide text still follows the host
    EXPECT_EQ(s, "2.5 µs");
    EXPECT_EQ(GradLabels::of(0, 1, 0, 0.25).text(0.5), "0.5");

    StepDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_GRADUATE, NULL));
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    CString text;
    dialog.GetDlgItemText(IDC_GRADSTEP, text);
    EXPECT_EQ(text, "2.5");
    dialog.SetDlgItemText(IDC_GRADSTEP, "0.5");
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.step, 0.5);

    std::string message;
    const ModalResponder previous = AfxSetModalResponder([&](ModalRequest& r) {
        message = r.text;
        return IDOK;
    });
    CEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_GRADSTEP, &dialog));
    CErrorEdit check(&edit);
    EXPECT_EQ(check.MoreThan(0.25), 1);
    EXPECT_EQ(check.MoreThan(0.5), 0);
    EXPECT_EQ(message, "Input a value more than 5.000000e-01");
    AfxSetModalResponder(previous);

    Vertex2D v[1] = {{2.5, -0.125}};
    GcGLine line;
    line.nvertex = 1, line.vertex = v;
    GcGraph graph;
    graph.setGLine(1, &line);
    char* data = nullptr;
    size_t size = 0;
    FILE* stream = open_memstream(&data, &size);
    graph.writeCsv(stream);
    std::fclose(stream);
    EXPECT_NE(std::string(data, size).find("2.5,-0.125,"), std::string::npos);
    std::free(data);

    EXPECT_STREQ(localeconv()->decimal_point, ",");
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt takes the environment's locale when it makes the application object.
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    german = setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    QApplication app(argc, argv);
    german = german && std::strcmp(localeconv()->decimal_point, ",") == 0;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
