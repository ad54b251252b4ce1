#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/mman.h>
#include <sys/resource.h>

#include "TempDir.h"
#include "util/CFile64.h"

namespace {

constexpr unsigned long long GiB = 1ull << 30;

// Runs f, which must throw a CFileException; its cause, OS error and file name, freed.
struct Caught {
    int cause = -100;
    LONG osError = 0;
    std::string name;
};
Caught caught(const std::function<void()>& f) {
    Caught c;
    try {
        f();
    } catch (CFileException* e) {
        c = {e->m_cause, e->m_lOsError, e->m_strFileName.str()};
        e->Delete();
    }
    return c;
}

void writeFile(const std::string& name, const char* text) {
    CFile64 f;
    ASSERT_TRUE(f.Open(name.c_str(), CFile::modeCreate | CFile::modeWrite));
    f.Write(text, DWORD(strlen(text)));
}

bool canOpen(const std::string& name, UINT flags) {
    CFile64 f;
    return f.Open(name.c_str(), flags | CFile::shareDenyNone);
}

} // namespace

TEST(CFile64, OpenFlagsMapToAccessSharingAndCreation) {
    constexpr UINT read = CFile::modeRead, write = CFile::modeWrite, rw = CFile::modeReadWrite,
                   create = CFile::modeCreate, keep = CFile::modeNoTruncate;
    struct Row {
        UINT flags;
        bool exists, opens;
        unsigned long long length = 0; // after opening
        bool reads = false, writes = false, othersRead = false, othersWrite = false;
    } rows[] = {
        {read | CFile::shareExclusive, true, true, 3, true, false, false, false},
        {read | CFile::shareDenyWrite, true, true, 3, true, false, true, false},
        {write | CFile::shareDenyRead, true, true, 3, false, true, false, true},
        {rw | CFile::shareDenyNone, true, true, 3, true, true, true, true},
        {write | create, true, true, 0, false, true, false, false},
        {write | create | keep, true, true, 3, false, true, false, false},
        {rw | create | keep | CFile::shareDenyNone, false, true, 0, true, true, true, true},
        {read | keep, false, false},
    };
    TempDir dir;
    const std::string name = dir / "f";
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.flags << " exists " << row.exists);
        std::filesystem::remove(name);
        if (row.exists) writeFile(name, "old");
        CFile64 f;
        ASSERT_EQ(f.Open(name.c_str(), row.flags), BOOL(row.opens));
        if (!row.opens) continue;
        EXPECT_EQ(f.GetFileName(), name.c_str());
        EXPECT_EQ(f.GetLength(), row.length);
        char c;
        EXPECT_EQ(caught([&] { f.Read(&c, 1); }).cause,
                  row.reads ? -100 : CFileException::accessDenied);
        EXPECT_EQ(caught([&] { f.Write("x", 1); }).cause,
                  row.writes ? -100 : CFileException::accessDenied);
        EXPECT_EQ(canOpen(name, read), row.othersRead);
        EXPECT_EQ(canOpen(name, write), row.othersWrite);
    }
}

TEST(CFile64, SparseFileBeyond4GiBSeeksFromEachOrigin) {
    TempDir dir;
    CFile64 f;
    ASSERT_TRUE(f.Open((dir / "big").c_str(), CFile::modeCreate | CFile::modeReadWrite));
    f.SetLength(5 * GiB);
    EXPECT_EQ(f.GetPosition(), 5 * GiB);
    EXPECT_EQ(f.GetLength(), 5 * GiB);
    // Without the high half the kernel refuses a position it could not return whole.
    EXPECT_EQ(SetFilePointer(f, 0, nullptr, FILE_END), INVALID_SET_FILE_POINTER);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    const unsigned long long at = 4 * GiB + 10;
    f.SeekToBegin();
    EXPECT_EQ(f.Seek(at, CFile64::begin, 1), at);
    f.Write("begin", 5);
    EXPECT_EQ(f.Seek(5, CFile64::current, 0), at);
    char buf[6] = {};
    EXPECT_EQ(f.Read(buf, 5), 5u);
    EXPECT_STREQ(buf, "begin");
    f.SeekToBegin();
    EXPECT_EQ(f.Seek(at + 20, CFile64::current, 1), at + 20);
    f.Write("current", 7);
    EXPECT_EQ(f.Seek(5 * GiB - at - 40, CFile64::end, 0), at + 40);
    f.Write("end", 3);
    for (auto [offset, text] : {std::pair{at + 20, "current"}, {at + 40, "end"}}) {
        char back[8] = {};
        f.Seek(offset, CFile64::begin, 1);
        EXPECT_EQ(f.Read(back, DWORD(strlen(text))), strlen(text));
        EXPECT_STREQ(back, text);
    }
    EXPECT_EQ(f.SeekToEnd(), 5 * GiB);
    EXPECT_EQ(f.Read(buf, 5), 0u);

    // Low halves of all ones are positions and lengths like any other.
    f.SetLength(0x1FFFFFFFFull);
    EXPECT_EQ(f.GetLength(), 0x1FFFFFFFFull);
    EXPECT_EQ(f.Seek(0xFFFFFFFFull, CFile64::begin, 1), 0xFFFFFFFFull);
    EXPECT_EQ(f.GetPosition(), 0xFFFFFFFFull);
    // Before the start, or past what a signed 64-bit offset holds: a bad seek, position kept.
    EXPECT_EQ(caught([&] { f.Seek(1ull << 32, CFile64::current, 0); }).cause,
              CFileException::badSeek);
    EXPECT_EQ(caught([&] { f.Seek(1ull << 63, CFile64::begin, 1); }).cause,
              CFileException::badSeek);
    EXPECT_EQ(f.GetPosition(), 0xFFFFFFFFull);
}

// Ranges past 4 GiB conflict between opens; a lock ends when unlocked or at its owner's close.
TEST(CFile64, LockConflictsBeyond4GiBEndAtUnlockOrClose) {
    TempDir dir;
    const std::string name = dir / "f";
    CFile64 a, b;
    const UINT flags = CFile::modeCreate | CFile::modeReadWrite | CFile::shareDenyNone;
    ASSERT_TRUE(a.Open(name.c_str(), flags));
    ASSERT_TRUE(b.Open(name.c_str(), flags | CFile::modeNoTruncate));
    const unsigned long long at = 6 * GiB;
    a.LockRange(at, 100);
    EXPECT_EQ(caught([&] { b.LockRange(at + 99, 2); }).cause, CFileException::lockViolation);
    b.LockRange(at + 100, 1);
    a.UnlockRange(at, 100);
    b.LockRange(at, 10);
    a.LockRange(at + 50, 10);
    a.Close();
    b.LockRange(at + 50, 10);
}

// A duplicate shares the file pointer and owns its handle.
TEST(CFile64, DuplicateSharesThePositionAndOwnsItsHandle) {
    TempDir dir;
    CFile64 f;
    ASSERT_TRUE(f.Open((dir / "f").c_str(), CFile::modeCreate | CFile::modeReadWrite));
    f.Write("ab", 2);
    CFile64* d = f.Duplicate();
    f.Close();
    d->Write("cd", 2);
    EXPECT_EQ(d->GetLength(), 4u);
    const HANDLE h = *d;
    delete d;
    EXPECT_FALSE(CloseHandle(h)); // the duplicate closed it
}

TEST(CFile64, ClosedObjectsThrowInvalidFileForEveryTransferAndPosition) {
    CFile64 f;
    char c;
    const std::function<void()> calls[] = {
        [&] { f.Read(&c, 1); }, [&] { f.Write("x", 1); },   [&] { f.Seek(1, CFile64::begin, 1); },
        [&] { f.GetLength(); }, [&] { f.LockRange(0, 1); },
    };
    for (const auto& call : calls) {
        const Caught e = caught(call);
        EXPECT_EQ(e.cause, CFileException::invalidFile);
        EXPECT_EQ(e.osError, LONG(ERROR_INVALID_HANDLE));
    }
    f.Close();
    f.Abort();
}

// Failed opens report the cause and the name through the exception object they are given.
TEST(CFile64, ErrorsCarryCauseAndFileName) {
    TempDir dir;
    const std::string missing = dir / "missing", noDir = dir / "nodir/f", locked = dir / "locked";
    CFile64 holder;
    ASSERT_TRUE(holder.Open(locked.c_str(), CFile::modeCreate | CFile::modeWrite));
    struct Row {
        std::string name;
        UINT flags;
        int cause;
    } rows[] = {
        {missing, CFile::modeRead, CFileException::fileNotFound},
        {noDir, CFile::modeCreate | CFile::modeWrite, CFileException::badPath},
        {dir.path.string(), CFile::modeWrite, CFileException::accessDenied},
        {locked, CFile::modeRead | CFile::shareDenyNone, CFileException::sharingViolation},
    };
    for (const Row& row : rows) {
        CFileException e;
        CFile64 f;
        EXPECT_FALSE(f.Open(row.name.c_str(), row.flags, &e));
        EXPECT_EQ(e.m_cause, row.cause) << row.name;
        EXPECT_EQ(e.m_strFileName, row.name.c_str());
        EXPECT_TRUE(f.IsClosed());
    }
}

TEST(CFile64, WritesTheDeviceCannotTakeThrowDiskFull) {
    CFile64 full;
    ASSERT_TRUE(full.Open("/dev/full", CFile::modeWrite));
    EXPECT_EQ(full.GetFileType(), FILE_TYPE_CHAR);
    const Caught e = caught([&] { full.Write("x", 1); });
    EXPECT_EQ(e.cause, CFileException::diskFull);
    EXPECT_EQ(e.osError, LONG(ERROR_DISK_FULL));
    EXPECT_EQ(e.name, "/dev/full");

    // Under a file size limit: the part that fits is written, the rest reported, no signal.
    TempDir dir;
    const std::string name = dir / "limited";
    CFile64 f;
    ASSERT_TRUE(f.Open(name.c_str(), CFile::modeCreate | CFile::modeWrite));
    rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string data(6000, 'd');
    const Caught partial = caught([&] { f.Write(data.data(), DWORD(data.size())); });
    const Caught grow = caught([&] { f.SetLength(8192); });
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_EQ(partial.cause, CFileException::diskFull);
    EXPECT_EQ(partial.osError, -1);
    EXPECT_EQ(partial.name, name);
    EXPECT_EQ(grow.cause, CFileException::diskFull);
    EXPECT_EQ(f.GetLength(), 4096u);
}

TEST(CFile64, TransfersLargerThanOneSystemCallMovesAreCompleted) {
    // 2.25 GiB of untouched anonymous memory: reads of it cost no memory.
    const DWORD count = 0x90000000;
    void* p = mmap(nullptr, count, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(p, MAP_FAILED);
    CFile64 sink;
    ASSERT_TRUE(sink.Open("/dev/null", CFile::modeWrite));
    EXPECT_EQ(caught([&] { sink.Write(p, count); }).cause, -100);
    munmap(p, count);
}
