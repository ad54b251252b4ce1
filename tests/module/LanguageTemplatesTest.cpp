// The language library holds every dialog template the dialogs need, with each control of the
// kind the dialog code drives, laid out inside the dialog without overlaps.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "module/ResourceIds.h"
#include "platform/ResourceChain.h"

namespace {

enum Kind { Edit, Text, PushButton, Radio, ListBox, Slider };

struct Expected {
    UINT dialog;
    bool modal;
    std::map<WORD, Kind> controls;
};

const DLGITEMTEMPLATE_DATA* item(const DLGTEMPLATE_DATA& t, WORD id, int* index = nullptr) {
    for (int i = 0; i < t.nItems; ++i)
        if (t.items[i].id == id) {
            if (index) *index = i;
            return &t.items[i];
        }
    return nullptr;
}

bool isClass(const DLGITEMTEMPLATE_DATA& c, const char* name) {
    return std::strcmp(c.className, name) == 0;
}

bool hasKind(const DLGITEMTEMPLATE_DATA& c, Kind kind) {
    const DWORD type = c.style & BS_TYPEMASK;
    switch (kind) {
    case Edit:
        return isClass(c, WC_EDITA) && !(c.style & ES_READONLY);
    case Text:
        return isClass(c, WC_EDITA) || isClass(c, WC_STATICA);
    case PushButton:
        return isClass(c, WC_BUTTONA) && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
    case Radio:
        return isClass(c, WC_BUTTONA) && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
    case ListBox:
        return isClass(c, WC_LISTBOXA) && (c.style & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL));
    case Slider:
        return isClass(c, TRACKBAR_CLASSA) && !(c.style & TBS_VERT);
    }
    return false;
}

bool overlap(const DLGITEMTEMPLATE_DATA& a, const DLGITEMTEMPLATE_DATA& b) {
    return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
}

const std::map<WORD, Kind> range = {{IDC_RANGEAUTO, Radio},
                                    {IDC_RANGEMANUAL, Radio},
                                    {IDC_MAX, Edit},
                                    {IDC_MIN, Edit},
                                    {WORD(1), PushButton}};

} // namespace

TEST(LanguageTemplates, EveryTemplateHoldsItsControlsOfTheRightKind) {
    std::map<WORD, Kind> graduate = range;
    graduate.insert({{IDC_GRADAUTO, Radio},
                     {IDC_GRADMANUAL, Radio},
                     {IDC_GRADSTEP, Edit},
                     {IDC_SMALLGRADSLIDER, Slider},
                     {IDC_SMALLGRAD, Text}});
    const Expected expected[] = {
        {IDD_DRAWCOMMENT,
         false,
         {{IDC_COMMENT, Edit},
          {IDC_FONT, PushButton},
          {IDC_APPLY, PushButton},
          {IDC_CLOSE, PushButton}}},
        {IDD_ERASECOMMENT,
         false,
         {{IDC_COMMENTLIST, ListBox}, {IDC_APPLY, PushButton}, {IDC_CLOSE, PushButton}}},
        {IDD_VIEWING2D,
         false,
         {{IDC_ZOOM, PushButton}, {IDC_UNZOOM, PushButton}, {IDC_CLOSE, PushButton}}},
        {IDD_INQUIREPOINT,
         false,
         {{IDC_PICKPOINT, PushButton},
          {IDC_POINTX, Text},
          {IDC_POINTY, Text},
          {IDC_CLOSE, PushButton}}},
        {IDD_INQUIRESTATISTICS,
         false,
         {{IDC_PICKPOINT, PushButton},
          {IDC_FIRSTX, Text},
          {IDC_SECONDX, Text},
          {IDC_MAX, Text},
          {IDC_MIN, Text},
          {IDC_MEAN, Text},
          {IDC_SIGMA, Text},
          {IDC_DIFFCOEF, Text},
          {IDC_CLOSE, PushButton}}},
        {IDD_GRADUATE, true, graduate},
        {IDD_MINIGRADUATE, true, range},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.dialog);
        const DLGTEMPLATE_DATA* t = findDialogTemplate(e.dialog);
        ASSERT_NE(t, nullptr);
        EXPECT_TRUE(t->caption && *t->caption);
        // Modeless dialogs appear only when shown.
        EXPECT_FALSE(t->style & WS_VISIBLE);
        EXPECT_EQ(bool(t->style & DS_MODALFRAME), e.modal);
        for (auto [id, kind] : e.controls) {
            const DLGITEMTEMPLATE_DATA* c = item(*t, id);
            ASSERT_NE(c, nullptr) << id;
            EXPECT_TRUE(hasKind(*c, kind)) << id << " " << c->className << " " << c->style;
            EXPECT_EQ(c->style & (WS_CHILD | WS_VISIBLE), WS_CHILD | WS_VISIBLE) << id;
        }
        std::map<WORD, int> seen;
        for (int i = 0; i < t->nItems; ++i) {
            const DLGITEMTEMPLATE_DATA& c = t->items[i];
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= t->cx && c.y + c.cy <= t->cy)
                << "outside: " << c.id << " " << c.text;
            if (c.id != IDC_STATIC) {
                EXPECT_EQ(seen[c.id]++, 0) << "duplicate " << c.id;
            }
            bool frame = isClass(c, WC_BUTTONA) && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
            for (int j = i + 1; j < t->nItems && !frame; ++j) {
                const DLGITEMTEMPLATE_DATA& d = t->items[j];
                if (!(isClass(d, WC_BUTTONA) && (d.style & BS_TYPEMASK) == BS_GROUPBOX)) {
                    EXPECT_FALSE(overlap(c, d)) << c.id << " " << c.text << " / " << d.text;
                }
            }
        }
    }
}

// DDX_Radio counts buttons from the first of a group up to the next control with the group
// style: each pair starts a group on its first button, and the control after the second
// starts the next group.
TEST(LanguageTemplates, RadioPairsFormGroupsOfTwo) {
    const std::pair<UINT, WORD> groups[] = {{IDD_GRADUATE, IDC_RANGEAUTO},
                                            {IDD_GRADUATE, IDC_GRADAUTO},
                                            {IDD_MINIGRADUATE, IDC_RANGEAUTO}};
    for (auto [dialog, first] : groups) {
        SCOPED_TRACE(first);
        const DLGTEMPLATE_DATA* t = findDialogTemplate(dialog);
        ASSERT_NE(t, nullptr);
        int i = -1;
        ASSERT_NE(item(*t, first, &i), nullptr);
        ASSERT_LT(i + 2, t->nItems);
        EXPECT_TRUE(t->items[i].style & WS_GROUP);
        EXPECT_EQ(t->items[i + 1].id, first + 1);
        EXPECT_FALSE(t->items[i + 1].style & WS_GROUP);
        EXPECT_TRUE(t->items[i + 2].style & WS_GROUP);
    }
}
