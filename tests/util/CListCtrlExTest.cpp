#include <gtest/gtest.h>

#include "platform/wnd/CFrameWnd.h"
#include "util/CListCtrlEx.h"

TEST(CListCtrlEx, SelectionReadsLikeAListBox) {
    auto* frame = new CFrameWnd; // frees itself when its window goes
    ASSERT_TRUE(frame->Create(NULL, "list"));
    CListCtrlEx list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_LIST, CRect(0, 0, 200, 100), frame, 1));
    EXPECT_EQ(list.GetCurSel(), -1); // empty
    EXPECT_EQ(list.SetCurSel(0), -1);
    EXPECT_EQ(list.SetCurSel(-1), -1);
    for (const char* name : {"a", "b", "c", "d"}) list.InsertItem(list.GetItemCount(), name);
    EXPECT_EQ(list.GetCurSel(), -1); // nothing selected
    EXPECT_EQ(list.SetCurSel(4), -1);
    EXPECT_EQ(list.SetCurSel(2), 2);
    EXPECT_EQ(list.SetCurSel(3), 3);
    // Both stay selected; the lowest is the current one.
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    EXPECT_EQ(list.GetCurSel(), 2);
    EXPECT_EQ(list.SetCurSel(1), 1);
    EXPECT_EQ(list.GetCurSel(), 1);
    // -1 names every item, as the platform's item-state call does.
    EXPECT_EQ(list.SetCurSel(-1), -1);
    EXPECT_EQ(list.GetSelectedCount(), 4u);
    EXPECT_EQ(list.GetCurSel(), 0);
    frame->DestroyWindow();
}
