// Replacing a file: the old content or the complete new one under the name, whatever fails or
// interrupts the writing, with the name's links, permissions and length respected.
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <ploxen/util/FileReplacement.h>

#include "../TempDir.h"

namespace fs = std::filesystem;

namespace {

void writeText(const std::string& path, const std::string& text) {
    FileReplacement file(path.c_str());
    ASSERT_TRUE(file.write(text.data(), text.size()) && file.commit()) << file.reason();
}

std::vector<std::string> names(const fs::path& dir) {
    std::vector<std::string> list;
    for (const auto& e : fs::directory_iterator(dir)) list.push_back(e.path().filename());
    std::sort(list.begin(), list.end());
    return list;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// Runs body in a child process and returns its exit status (-1 when a signal ended it).
template <class F> int inChild(F body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileReplacement, ReplacesWholeKeepingModeOrLeavesTheOldFile) {
    TempDir dir;
    const std::string name = dir / "plot.bmp";
    const mode_t mask = umask(027);
    writeText(name, "old");
    EXPECT_EQ(modeOf(name), 0640u); // a new file: 0666 less the umask
    chmod(name.c_str(), 0600);
    writeText(name, "new content");
    EXPECT_EQ(readFile(name), "new content");
    EXPECT_EQ(modeOf(name), 0600u); // a private picture stays private
    umask(mask);
    {
        FileReplacement dropped(name.c_str());
        ASSERT_TRUE(dropped.write("half", 4));
    } // not committed
    EXPECT_EQ(readFile(name), "new content");

    // A file size limit fails the write for real, as a full disk would.
    const int status = inChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        FileReplacement file(name.c_str());
        const std::string big(1000, 'x');
        const bool wrote = file.write(big.data(), big.size());
        return !wrote && !file.commit() && file.error() == EFBIG && errno == EFBIG ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFile(name), "new content");
    EXPECT_EQ(names(dir.path), std::vector<std::string>{"plot.bmp"}); // nothing left beside it
}

TEST(FileReplacement, LinksAreWrittenThroughAndReadOnlyFilesRefused) {
    TempDir dir;
    const std::string target = dir / "data.csv", link = dir / "link.csv";
    writeText(target, "old");
    fs::create_symlink("data.csv", link);
    writeText(link, "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "new");

    // No write permission for anyone: refused, for a privileged user too.
    chmod(target.c_str(), 0444);
    FileReplacement readOnly(link.c_str());
    EXPECT_EQ(readOnly.error(), EACCES);
    EXPECT_FALSE(readOnly.commit());
    EXPECT_EQ(readFile(target), "new");
    EXPECT_EQ(FileReplacement(dir.path.c_str()).error(), EISDIR);
    EXPECT_EQ(FileReplacement((dir / "no/such").c_str()).error(), ENOENT);

    // A device has nothing to rename over it: written in place, its failure reported.
    fs::create_symlink("/dev/full", dir / "full.png");
    FileReplacement full((dir / "full.png").c_str());
    EXPECT_FALSE(full.write("x", 1));
    EXPECT_STREQ(full.reason(), "No space left on device");
    EXPECT_TRUE(fs::is_symlink(dir / "full.png"));

    // The longest name a file may have stays usable: no longer name is made from it.
    const std::string longest = dir / std::string(255, 'n').c_str();
    writeText(longest, "fits");
    EXPECT_EQ(readFile(longest), "fits");
}

TEST(FileReplacement, AnInterruptedWriteLeavesNothingBehind) {
    TempDir dir;
    const std::string name = dir / "out.pdf";
    writeText(name, "old");
    for (const int sig : {SIGINT, SIGTERM}) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            { // where interrupts are held, they end the process once the file is dropped
                FileReplacement file(name.c_str());
                file.write("partial", 7);
                (void)!::write(ready[1], "r", 1);
                sleep(5);
            }
            _exit(0);
        }
        char c;
        ASSERT_EQ(read(ready[0], &c, 1), 1);
        kill(pid, sig);
        int status = 0;
        waitpid(pid, &status, 0);
        close(ready[0]);
        close(ready[1]);
        EXPECT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(names(dir.path), std::vector<std::string>{"out.pdf"});
        EXPECT_EQ(readFile(name), "old");
    }
}

} // namespace
