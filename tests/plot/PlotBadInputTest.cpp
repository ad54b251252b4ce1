// The plotter's answers to bad input and unwritable outputs, one case per row: the exit
// status, the one line on stderr, and no output left behind, partial or temporary. Modes and
// long names of replaced outputs are FileReplacement's own tests.
#include <QThread>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/stat.h>

#include "../TempDir.h"
#include "RunPlot.h"

using namespace plot_test;

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::vector<std::string> listing(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(PlotProgram, BadInputAndOutputsGiveOneLineAndTheirStatus) {
    struct Case {
        const char* name;
        const char* input; // file content; null: no file is made
        const char* args;  // separated by spaces
        int status;
        const char* err; // regular expression for the whole of stderr
    };
    const char* const plain = "in.csv -o out.png";
    // clang-format off
    const Case cases[] = {
        {"missing", nullptr, plain, 2, "ploxen-plot: in.csv: No such file or directory\n"},
        {"empty", "", plain, 2, "ploxen-plot: in.csv: no data: .*empty\n"},
        {"header only", "t,v\n", plain, 2, "ploxen-plot: in.csv: no data: .*no rows of numbers\n"},
        {"non-numeric", "x,y\n1,2\n3, 4x\n", plain, 2, "ploxen-plot: in.csv:3:4: not a number\n"},
        {"empty cell", "1,2,3\n4,,6\n", plain, 2, "ploxen-plot: in.csv:2:3: empty cell .*\n"},
        {"short row", "1,2,3\n4,5\n", plain, 2,
         "ploxen-plot: in.csv:2:4: expected 3 cells, found 2\n"},
        {"long row", "1,2\n3,4,5,6\n", plain, 2,
         "ploxen-plot: in.csv:2:5: expected 2 cells, found 4\n"},
        {"out of range", "1,2\n2,1e999\n", plain, 2,
         "ploxen-plot: in.csv:2:3: number out of range\n"},
        {"half pair", "T,V - a,T,V - b,\n1,2,3,4,\n5,6,7,,\n", plain, 2,
         "ploxen-plot: in.csv:3:7: x without its y\n"},
        {"pair after its end", "T,V - a,\n1,2,\n,,\n3,4,\n", plain, 2,
         "ploxen-plot: in.csv:4:1: series \"a\" goes on after empty cells\n"},
        {"one column", "1\n2\n", plain, 2, "ploxen-plot: in.csv:1:1: expected an x column .*\n"},
        {"after blank lines", "1,2\n\n \r\n3,4\n5,x\n", plain, 2,
         "ploxen-plot: in.csv:5:3: not a number\n"},
        {"output is the input", "1,2\n2,3\n", "in.csv -o link.png", 1,
         "ploxen-plot: link.png: is the input, left as it is\n"},
        {"span too wide", "-1e308,0\n1e308,1\n", plain, 2,
         "ploxen-plot: in.csv: the x values span .*\n"},
        {"two axes, one graph", "1,2\n2,3\n", "in.csv -o out.png --two-axes", 2,
         "ploxen-plot: --two-axes needs two graphs.*\n"},
        {"unknown extension", "1,2\n2,3\n", "in.csv -o out.xyz", 2,
         "ploxen-plot: out.xyz: unknown output type .*\n"},
        {"unknown option", "1,2\n", "in.csv -o out.png --frobnicate", 2,
         "ploxen-plot: --frobnicate: unknown option .*\n"},
        {"bad size", "1,2\n", "in.csv -o out.png -s 12x0", 2,
         "ploxen-plot: -s: expected a whole number .*\n"},
        {"no input", nullptr, "-o out.png", 2, "ploxen-plot: no input file .*\n"},
        {"no output", "1,2\n", "in.csv", 2, "ploxen-plot: no output: .*\n"},
        {"directory as input", nullptr, ". -o out.png", 2, "ploxen-plot: \\.: Is a directory\n"},
        {"directory as output", "1,2\n2,3\n", "in.csv -o dir.png", 1,
         "ploxen-plot: dir.png: Is a directory\n"},
        {"unwritable output", "1,2\n2,3\n", "in.csv -o no/such/dir/out.png", 1,
         "ploxen-plot: no/such/dir/out.png: No such file or directory\n"},
        {"window without a display", "1,2\n2,3\n", "in.csv --window", 2,
         "ploxen-plot: --window: no display to open the window on\n"},
        {"2 GB input", nullptr, "big.csv -o out.png", 2,
         "ploxen-plot: big.csv: larger than 1024 MiB, .*\n"},
        {"unknown column", "t,v\n1,2\n", "in.csv -o out.png -c t,w", 2,
         "ploxen-plot: in.csv:1:1: -c w: no column of that name; the header has t, v\n"},
        {"one column picked", "1,2\n", "in.csv -o out.png -c 2", 2,
         "ploxen-plot: -c: expected the x column and at least one series, .*\n"},
        {"unknown separator", "1,2\n", "in.csv -o out.png --sep :", 2,
         "ploxen-plot: --sep: expected , ; tab or space, not \":\"\n"},
        {"follow a picture", "1,2\n", "in.csv -o out.png --follow", 2,
         "ploxen-plot: --follow: needs --window .*\n"},
        // Blocks far apart are drawn, with one warning however many blocks there are.
        {"blocks far apart", "0,1\n200,2\n\n0,1\n1e4,2\n\n0,3\n9e3,1\n", plain, 0,
         "ploxen-plot: in.csv: the block at line 1 spans x 0 to 200, and shares one horizontal "
         "axis \\(0 to 10000\\) with the other blocks; .* -c .*\n"},
        // Gaps are no error, and a normal run says nothing at all.
        {"nan and inf cells", "1,2\n2,nan\n3,inf\n4,-inf\n5,3\n", plain, 0, ""},
        {"standard input", nullptr, "- -o out.bmp", 0, ""},
    };
    // clang-format on
    TempDir tmp; // Qt's runtime directory, made by the program where none is set
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        if (c.input) writeFile(dir / "in.csv", c.input);
        std::filesystem::create_directory(dir / "dir.png");
        std::filesystem::create_symlink("in.csv", dir / "link.png");
        writeFile(dir / "big.csv", "");
        std::filesystem::resize_file(dir / "big.csv", std::uintmax_t(2) << 30); // sparse
        const std::vector<std::string> before = listing(dir.path);
        std::vector<std::string> args;
        std::istringstream words(c.args);
        for (std::string w; words >> w;) args.push_back(w);
        const bool stdinCase = args[0] == "-";
        const PlotRun run = runPlot(args, dir.path.string(), stdinCase ? "1,2\n3,4\n" : "",
                                    {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY",
                                     "QT_QPA_PLATFORM", "TMPDIR=" + tmp.path.string()});
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(std::regex_match(run.err, std::regex(c.err))) << run.err;
        std::vector<std::string> after = listing(dir.path);
        if (c.status == 0) { // the output appeared, and nothing else
            const std::string out = args[2];
            EXPECT_EQ(std::count(after.begin(), after.end(), out), 1);
            after.erase(std::find(after.begin(), after.end(), out));
        }
        EXPECT_EQ(after, before);
        if (c.input) {
            EXPECT_EQ(readFile(dir / "in.csv"), c.input);
        }
    }
}

TEST(PlotProgram, OutputsThatFailKeepTheOldFileAndSayWhy) {
    TempDir tmp, dir;
    writeFile(dir / "in.csv", "1,2\n2,3\n");
    for (const char* name : {"out.pdf", "out.png", "ro.png"}) writeFile(dir / name, "old");
    chmod((dir / "ro.png").c_str(), 0444);
    std::filesystem::create_symlink("/dev/full", dir / "full.pdf");
    const std::vector<std::string> before = listing(dir.path);
    const char* const fileLimit = "trap '' XFSZ; ulimit -f 4"; // a full disk, for real writes
    const struct {
        const char* output;
        const char* shell;
        int status;
        const char* err;
    } cases[] = {
        {"out.pdf", fileLimit, 1, "ploxen-plot: out.pdf: File too large\n"},
        {"out.png", fileLimit, 1, "ploxen-plot: out.png: File too large\n"},
        {"full.pdf", "", 1, "ploxen-plot: full.pdf: No space left on device\n"},
        {"ro.png", "", 1, "ploxen-plot: ro.png: Permission denied\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.output);
        const PlotRun run = runPlot({"in.csv", "-o", c.output}, dir.path.string(), "",
                                    {"TMPDIR=" + tmp.path.string()}, c.shell);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_EQ(listing(dir.path), before);
    for (const char* name : {"out.pdf", "out.png", "ro.png"})
        EXPECT_EQ(readFile(dir / name), "old");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "full.pdf"));
}

// Interrupted while it waits for its input, the plotter leaves the old output and nothing else.
TEST(PlotProgram, AnInterruptedRunLeavesTheOldOutputAlone) {
    TempDir tmp, dir;
    writeFile(dir / "out.pdf", "old");
    for (const int sig : {SIGINT, SIGTERM}) {
        QProcess p;
        p.setWorkingDirectory(QString::fromStdString(dir.path.string()));
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("TMPDIR", QString::fromStdString(tmp.path.string()));
        p.setProcessEnvironment(e);
        p.start(PLOXEN_PLOT_PROGRAM, {"-", "-o", "out.pdf"});
        ASSERT_TRUE(p.waitForStarted());
        p.write("1,2\n");
        QThread::msleep(300); // the output is open, the input not read to its end
        kill(pid_t(p.processId()), sig);
        ASSERT_TRUE(p.waitForFinished());
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(listing(dir.path), std::vector<std::string>{"out.pdf"});
        EXPECT_EQ(readFile(dir / "out.pdf"), "old");
    }
}

} // namespace
