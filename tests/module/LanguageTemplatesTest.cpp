// The language library holds every dialog template the dialogs need, with each control of the
// kind the dialog code drives, laid out inside the dialog without overlaps.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "module/ResourceIds.h"
#include "platform/ResourceChain.h"
#include "platform/afxwin.h"

namespace {

// FirstRadio starts its group; the Radio after it ends the pair, the next control starting a
// new group (DDX_Radio counts the buttons up to there).
enum Kind { Edit, Text, PushButton, FirstRadio, Radio, ListBox, Slider };

const DLGITEMTEMPLATE_DATA* item(const DLGTEMPLATE_DATA& t, WORD id, int* index = nullptr) {
    for (int i = 0; i < t.nItems; ++i)
        if (t.items[i].id == id) return index ? *index = i, &t.items[i] : &t.items[i];
    return nullptr;
}

bool is(const DLGITEMTEMPLATE_DATA& c, const char* className, DWORD buttonType = ~0u) {
    return std::strcmp(c.className, className) == 0 &&
           (buttonType == ~0u || (c.style & BS_TYPEMASK) == buttonType);
}

bool hasKind(const DLGITEMTEMPLATE_DATA& c, Kind kind) {
    switch (kind) {
    case Edit:
        return is(c, WC_EDITA) && !(c.style & ES_READONLY);
    case Text:
        return is(c, WC_EDITA) || is(c, WC_STATICA);
    case PushButton:
        return is(c, WC_BUTTONA, BS_PUSHBUTTON) || is(c, WC_BUTTONA, BS_DEFPUSHBUTTON);
    case FirstRadio:
    case Radio:
        return is(c, WC_BUTTONA, BS_RADIOBUTTON) || is(c, WC_BUTTONA, BS_AUTORADIOBUTTON);
    case ListBox:
        return is(c, WC_LISTBOXA) && (c.style & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL));
    case Slider:
        return is(c, TRACKBAR_CLASSA) && !(c.style & TBS_VERT);
    }
    return false;
}

bool overlap(const DLGITEMTEMPLATE_DATA& a, const DLGITEMTEMPLATE_DATA& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

} // namespace

TEST(LanguageTemplates, EveryTemplateHoldsItsControlsOfTheRightKindInsideAndApart) {
    const struct {
        UINT dialog;
        WORD id;
        Kind kind;
    } controls[] = {
        // clang-format off
        {IDD_DRAWCOMMENT, IDC_COMMENT, Edit}, {IDD_DRAWCOMMENT, IDC_FONT, PushButton},
        {IDD_DRAWCOMMENT, IDC_APPLY, PushButton}, {IDD_DRAWCOMMENT, IDC_CLOSE, PushButton},
        {IDD_ERASECOMMENT, IDC_COMMENTLIST, ListBox}, {IDD_ERASECOMMENT, IDC_APPLY, PushButton},
        {IDD_ERASECOMMENT, IDC_CLOSE, PushButton},
        {IDD_VIEWING2D, IDC_ZOOM, PushButton}, {IDD_VIEWING2D, IDC_UNZOOM, PushButton},
        {IDD_VIEWING2D, IDC_CLOSE, PushButton},
        {IDD_INQUIREPOINT, IDC_PICKPOINT, PushButton}, {IDD_INQUIREPOINT, IDC_POINTX, Text},
        {IDD_INQUIREPOINT, IDC_POINTY, Text}, {IDD_INQUIREPOINT, IDC_CLOSE, PushButton},
        {IDD_INQUIRESTATISTICS, IDC_PICKPOINT, PushButton},
        {IDD_INQUIRESTATISTICS, IDC_FIRSTX, Text}, {IDD_INQUIRESTATISTICS, IDC_SECONDX, Text},
        {IDD_INQUIRESTATISTICS, IDC_MAX, Text}, {IDD_INQUIRESTATISTICS, IDC_MIN, Text},
        {IDD_INQUIRESTATISTICS, IDC_MEAN, Text}, {IDD_INQUIRESTATISTICS, IDC_SIGMA, Text},
        {IDD_INQUIRESTATISTICS, IDC_DIFFCOEF, Text}, {IDD_INQUIRESTATISTICS, IDC_CLOSE, PushButton},
        {IDD_GRADUATE, IDC_RANGEAUTO, FirstRadio}, {IDD_GRADUATE, IDC_RANGEMANUAL, Radio},
        {IDD_GRADUATE, IDC_MAX, Edit}, {IDD_GRADUATE, IDC_MIN, Edit},
        {IDD_GRADUATE, IDC_GRADAUTO, FirstRadio}, {IDD_GRADUATE, IDC_GRADMANUAL, Radio},
        {IDD_GRADUATE, IDC_GRADSTEP, Edit}, {IDD_GRADUATE, IDC_SMALLGRADSLIDER, Slider},
        {IDD_GRADUATE, IDC_SMALLGRAD, Text}, {IDD_GRADUATE, 1, PushButton},
        {IDD_MINIGRADUATE, IDC_RANGEAUTO, FirstRadio}, {IDD_MINIGRADUATE, IDC_RANGEMANUAL, Radio},
        {IDD_MINIGRADUATE, IDC_MAX, Edit}, {IDD_MINIGRADUATE, IDC_MIN, Edit},
        {IDD_MINIGRADUATE, 1, PushButton}
        // clang-format on
    };
    for (const auto& e : controls) {
        const DLGTEMPLATE_DATA* t = findDialogTemplate(e.dialog);
        ASSERT_NE(t, nullptr) << e.dialog;
        int i = -1;
        const DLGITEMTEMPLATE_DATA* c = item(*t, e.id, &i);
        ASSERT_NE(c, nullptr) << e.dialog << " " << e.id;
        if (e.kind == FirstRadio || e.kind == Radio) {
            // The first button starts the group and its partner follows; the control after
            // the partner starts the next group.
            bool next = i + 1 < t->nItems;
            EXPECT_EQ(bool(c->style & WS_GROUP), e.kind == FirstRadio) << e.id;
            bool grouped = e.kind == FirstRadio ? next && t->items[i + 1].id == e.id + 1
                                                : next && (t->items[i + 1].style & WS_GROUP);
            EXPECT_TRUE(grouped) << e.id;
        }
        EXPECT_TRUE(hasKind(*c, e.kind)) << e.id << " " << c->className << " " << c->style;
        EXPECT_EQ(c->style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE) << e.id;
    }
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
                bool frame = is(c, WC_BUTTONA, BS_GROUPBOX) || is(d, WC_BUTTONA, BS_GROUPBOX);
                EXPECT_TRUE(frame || !overlap(c, d)) << c.text << " / " << d.text;
            }
        }
    }
}
