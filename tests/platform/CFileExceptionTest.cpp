#include <gtest/gtest.h>

#include "platform/CFileException.h"
#include "platform/kernel.h"

TEST(CFileException, PlatformErrorsMapToCauses) {
    const std::pair<DWORD, int> rows[] = {
        {NO_ERROR, CFileException::none},
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_INVALID_HANDLE, CFileException::invalidFile},
        {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
        {ERROR_IO_DEVICE, CFileException::hardIO},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_FILE_TOO_LARGE, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_INVALID_PARAMETER, CFileException::genericException},
    };
    for (auto [error, cause] : rows)
        EXPECT_EQ(CFileException::OsErrorToException(LONG(error)), cause) << error;
    EXPECT_EQ(CFileException::ErrnoToException(ENOSPC), CFileException::diskFull);
    EXPECT_EQ(CFileException::ErrnoToException(EACCES), CFileException::accessDenied);
}

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
