#include <gtest/gtest.h>

#include "platform/afx/CFileException.h"
#include "platform/kernel/kernel.h"

TEST(CFileException, ThrownAsHeapPointersThatDescribeThemselves) {
    try {
        CFileException::ThrowOsError(LONG(ERROR_SHARING_VIOLATION), "/data/run.bin");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        auto* f = static_cast<CFileException*>(e);
        EXPECT_EQ(f->m_cause, CFileException::sharingViolation);
        EXPECT_EQ(f->m_lOsError, LONG(ERROR_SHARING_VIOLATION));
        char text[128];
        UINT help = 99;
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof text, &help));
        EXPECT_STREQ(text, "A sharing violation occurred while accessing /data/run.bin.");
        EXPECT_EQ(help, 0u);
        char shortText[9];
        EXPECT_TRUE(e->GetErrorMessage(shortText, sizeof shortText));
        EXPECT_STREQ(shortText, "A sharin");
        EXPECT_FALSE(e->GetErrorMessage(text, 0));
        e->Delete();
    }
    CFileException onStack(CFileException::diskFull);
    onStack.m_bAutoDelete = FALSE;
    onStack.Delete(); // leaves it alone
    char text[64];
    ASSERT_TRUE(onStack.GetErrorMessage(text, sizeof text));
    EXPECT_STREQ(text, "Disk full while accessing an unnamed file.");
    EXPECT_EQ(onStack.m_lOsError, -1);
}
