// The platform's "ANSI" text is UTF-8: "µ" is one character when measured, drawn and kept in a
// control, and a text cut to a buffer never splits it.
#include <QLineEdit>
#include <cstring>
#include <gtest/gtest.h>

#include "draw/Canvas.h"
#include "module/ResourceIds.h"
#include "platform/dlg/CDialog.h"
#include "platform/gdi/gdi_p.h"
#include "platform/wnd/QtWidgetOf.h"

TEST(AnsiText, IsUtf8WhenMeasuredAndInControlsAndCutsWholeCharacters) {
    Canvas c(8, 8);
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32A(c.dc.m_hDC, "Zeit/µs", int(std::strlen("Zeit/µs")), &size));
    const auto* font = static_cast<const gdi::FontObject*>(gdi::dcFrom(c.dc.m_hDC)->font);
    EXPECT_EQ(size.cx, font->metrics().horizontalAdvance(QStringLiteral("Zeit/µs")));

    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_GRADUATE, NULL));
    const HWND edit = dialog.GetDlgItem(IDC_GRADSTEP)->m_hWnd;
    auto* line = qobject_cast<QLineEdit*>(qWidgetOf(edit));
    ASSERT_TRUE(line);
    dialog.SetDlgItemText(IDC_GRADSTEP, "Zeit/µs");
    EXPECT_EQ(line->text(), QStringLiteral("Zeit/µs"));
    line->setText(QStringLiteral("µ/Zeit")); // as typed
    CString text;
    dialog.GetDlgItemText(IDC_GRADSTEP, text);
    EXPECT_EQ(text, "µ/Zeit");
    // "Zeit/µs" is 8 bytes; 7 with the NUL leaves room for half of the "µ", which is left out.
    dialog.SetDlgItemText(IDC_GRADSTEP, "Zeit/µs");
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(GetWindowTextA(edit, buffer, 7), 5);
    EXPECT_STREQ(buffer, "Zeit/");
    dialog.DestroyWindow();
}
