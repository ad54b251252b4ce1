// The language library's dialog templates: controls laid out inside each dialog without
// overlaps or repeated IDs. Whether each holds the controls its dialog drives, of the right
// kind, the dialog tests find when they run the dialogs on these templates.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "module/ResourceIds.h"
#include "platform/afx/ResourceChain.h"
#include "platform/wnd/afxwin.h"

namespace {

bool groupBox(const DLGITEMTEMPLATE_DATA& c) {
    return std::strcmp(c.className, WC_BUTTONA) == 0 && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
}

bool overlap(const DLGITEMTEMPLATE_DATA& a, const DLGITEMTEMPLATE_DATA& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

} // namespace

TEST(LanguageTemplates, EveryTemplateHoldsItsControlsInsideAndApart) {
    for (UINT dialog : {502, 503, 505, 506, 507, 508, 509}) {
        SCOPED_TRACE(dialog);
        const DLGTEMPLATE_DATA* t = findDialogTemplate(dialog);
        ASSERT_NE(t, nullptr);
        EXPECT_TRUE(t->caption && *t->caption);
        EXPECT_FALSE(t->style & WS_VISIBLE); // modeless dialogs appear only when shown
        EXPECT_EQ(bool(t->style & DS_MODALFRAME), dialog >= IDD_GRADUATE);
        std::map<WORD, int> seen;
        for (int i = 0; i < t->nItems; ++i) {
            const DLGITEMTEMPLATE_DATA& c = t->items[i];
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= t->cx && c.y + c.cy <= t->cy)
                << "outside: " << c.id << " " << c.text;
            EXPECT_TRUE(c.id == IDC_STATIC || seen[c.id]++ == 0) << "duplicate " << c.id;
            for (int j = i + 1; j < t->nItems; ++j) {
                const DLGITEMTEMPLATE_DATA& d = t->items[j];
                EXPECT_TRUE(groupBox(c) || groupBox(d) || !overlap(c, d))
                    << c.text << " / " << d.text;
            }
        }
    }
}
