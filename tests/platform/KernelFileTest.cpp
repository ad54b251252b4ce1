#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "TempDir.h"
#include "platform/kernel/kernel.h"

namespace {

constexpr DWORD R = GENERIC_READ, W = GENERIC_WRITE, RW = R | W;
constexpr DWORD SR = FILE_SHARE_READ, SW = FILE_SHARE_WRITE, SRW = SR | SW;

HANDLE open(const std::string& name, DWORD access, DWORD share = SRW,
            DWORD creation = OPEN_ALWAYS) {
    return CreateFileA(name.c_str(), access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

BOOL write(HANDLE h, const std::string& text) {
    DWORD n = 0;
    return WriteFile(h, text.data(), DWORD(text.size()), &n, nullptr) && n == text.size();
}

std::string readAll(HANDLE h) {
    char buf[64];
    DWORD n = 0;
    SetFilePointer(h, 0, nullptr, FILE_BEGIN);
    return ReadFile(h, buf, sizeof buf, &n, nullptr) ? std::string(buf, n) : "<failed>";
}

} // namespace

TEST(KernelFile, RefusedOpensTruncateNothingAndOpensWithoutDataAccessDoNotShare) {
    TempDir dir;
    const std::string name = dir / "f";
    HANDLE w = open(name, W, SRW);
    ASSERT_TRUE(write(w, "kept"));
    HANDLE query = open(name, 0, 0), other = open(name, W, SR, CREATE_ALWAYS);
    EXPECT_NE(query, INVALID_HANDLE_VALUE);
    EXPECT_EQ(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(GetFileSize(query, nullptr), 4u);
    CloseHandle(query);
    CloseHandle(w);
}

TEST(KernelFile, CreationDispositionsAndOpenErrorsSetTheLastError) {
    TempDir dir;
    const std::string name = dir / "f";
    struct Row {
        std::string path;
        DWORD access, creation, error;
        bool opens;
    } rows[] = {
        {"", R, OPEN_EXISTING, ERROR_PATH_NOT_FOUND, false},
        {name, W, CREATE_NEW, NO_ERROR, true},
        {name, W, CREATE_NEW, ERROR_FILE_EXISTS, false},
        {name, W, OPEN_ALWAYS, ERROR_ALREADY_EXISTS, true},
        {name, R, TRUNCATE_EXISTING, ERROR_INVALID_PARAMETER, false},
        {dir.path.string(), R, OPEN_EXISTING, ERROR_ACCESS_DENIED, false},
        {dir / "g", W, CREATE_ALWAYS, NO_ERROR, true},
        {dir / "g", W, CREATE_ALWAYS, ERROR_ALREADY_EXISTS, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path + " " + std::to_string(row.creation));
        SetLastError(12345);
        HANDLE h = open(row.path, row.access, SRW, row.creation);
        EXPECT_EQ(h != INVALID_HANDLE_VALUE, row.opens);
        EXPECT_EQ(GetLastError(), row.error);
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
}

TEST(KernelFile, ClosedHandlesStayInvalidWhenTheirSlotAndDescriptorAreReused) {
    TempDir dir;
    HANDLE old = open(dir / "a", RW);
    ASSERT_TRUE(CloseHandle(old));
    HANDLE h = open(dir / "b", RW); // takes the freed slot and descriptor number
    ASSERT_TRUE(write(h, "b data"));
    for (HANDLE bad : {old, INVALID_HANDLE_VALUE, HANDLE(nullptr), HANDLE(LONG_PTR(4 * 1000))}) {
        EXPECT_FALSE(write(bad, "x"));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
        EXPECT_EQ(SetFilePointer(bad, 0, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
        EXPECT_EQ(GetFileType(bad), FILE_TYPE_UNKNOWN);
        EXPECT_FALSE(CloseHandle(bad));
        EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    }
    EXPECT_EQ(readAll(h), "b data");
    CloseHandle(h);
}

TEST(KernelFile, DuplicatesShareTheFilePointerAndNeverWidenAccess) {
    TempDir dir;
    HANDLE r = open(dir / "f", R), w = open(dir / "f", W), d = nullptr, up = nullptr;
    EXPECT_FALSE(DuplicateHandle(GetCurrentProcess(), r, GetCurrentProcess(), &up, RW, FALSE, 0));
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), w, GetCurrentProcess(), &d, 0, FALSE,
                                DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE));
    EXPECT_FALSE(CloseHandle(w));
    ASSERT_TRUE(write(d, "ab"));
    EXPECT_EQ(SetFilePointer(d, 0, nullptr, FILE_CURRENT), 2u);
    EXPECT_EQ(readAll(r), "ab");
    CloseHandle(d);
    CloseHandle(r);
}

TEST(KernelFile, LocksAreExclusiveInThisProcessAndSeenByOthers) {
    TempDir dir;
    const std::string name = dir / "f";
    HANDLE a = open(name, RW), b = open(name, R);
    ASSERT_TRUE(write(a, std::string(100, 'a')));
    ASSERT_TRUE(LockFile(a, 10, 0, 20, 0));
    EXPECT_FALSE(LockFile(b, 29, 0, 5, 0));
    EXPECT_EQ(GetLastError(), ERROR_LOCK_VIOLATION);
    EXPECT_FALSE(LockFile(a, 0, 0, 11, 0)); // overlapping a lock of the same handle
    EXPECT_TRUE(LockFile(b, 30, 0, 5, 0));
    // Transfers through other opens may not touch the locked bytes.
    DWORD n;
    char buf[8];
    OVERLAPPED at{};
    at.Offset = 5;
    EXPECT_FALSE(ReadFile(b, buf, 8, &n, &at));
    EXPECT_EQ(GetLastError(), ERROR_LOCK_VIOLATION);
    at.Offset = 40;
    EXPECT_TRUE(ReadFile(b, buf, 8, &n, &at));
    EXPECT_EQ(SetFilePointer(b, 0, nullptr, FILE_CURRENT), 48u);
    // Another process sees a's range as an open-file-description lock.
    const pid_t child = fork();
    if (child == 0) {
        const int fd = ::open(name.c_str(), O_RDWR);
        struct flock fl {};
        fl.l_type = F_WRLCK;
        fl.l_start = 15;
        fl.l_len = 1;
        const bool refused = fcntl(fd, F_OFD_SETLK, &fl) != 0 && errno == EAGAIN;
        fl.l_start = 50;
        _exit(refused && fcntl(fd, F_OFD_SETLK, &fl) == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    EXPECT_FALSE(UnlockFile(a, 10, 0, 19, 0));
    EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);
    CloseHandle(b);
    CloseHandle(a);
}

TEST(KernelFile, PipesOpenWithoutWaitingForAPartner) {
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    EXPECT_EQ(open(dir / "fifo", W, SRW, OPEN_EXISTING), INVALID_HANDLE_VALUE); // no reader yet
    HANDLE r = open(dir / "fifo", R, SRW, OPEN_EXISTING);
    EXPECT_EQ(GetFileType(r), FILE_TYPE_PIPE);
    HANDLE w = open(dir / "fifo", W, SRW, OPEN_EXISTING);
    ASSERT_TRUE(write(w, "through"));
    char buf[16];
    DWORD n = 0;
    EXPECT_TRUE(ReadFile(r, buf, sizeof buf, &n, nullptr)); // what is there, without waiting
    EXPECT_EQ(std::string(buf, n), "through");
    std::thread later([w] { // once open, a read waits for data as usual
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        write(w, "x");
    });
    EXPECT_TRUE(ReadFile(r, buf, sizeof buf, &n, nullptr));
    EXPECT_EQ(n, 1u);
    later.join();
    CloseHandle(w);
    CloseHandle(r);
}

TEST(KernelFile, LastErrorIsPerThread) {
    SetLastError(ERROR_LOCK_VIOLATION);
    std::thread([] {
        EXPECT_EQ(GetLastError(), NO_ERROR);
        SetLastError(ERROR_DISK_FULL);
    }).join();
    EXPECT_EQ(GetLastError(), ERROR_LOCK_VIOLATION);
}
