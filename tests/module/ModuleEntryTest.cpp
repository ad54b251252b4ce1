// The module entry loads the language library and links its templates into the resource chain;
// without the library it refuses, and a host linked to the module then does not start.
#include <gtest/gtest.h>

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "module/DllMain.h"
#include "module/ResourceIds.h"
#include "platform/AfxMessageBox.h"
#include "platform/ModalResponder.h"
#include "platform/ResourceChain.h"

namespace fs = std::filesystem;

namespace {

fs::path modulePath() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&DllMain), &info);
    return info.dli_fname;
}

fs::path languagePath() {
    return modulePath().parent_path() / "Lang" / "plx.so";
}

// Whether the language library is mapped, without keeping a reference.
bool languageMapped() {
    void* h = dlopen(languagePath().c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (h) dlclose(h);
    return h != nullptr;
}

HINSTANCE self() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&DllMain), &info);
    return static_cast<HINSTANCE>(info.dli_fbase);
}

struct TempDir {
    TempDir() {
        char name[] = "/tmp/plxmodXXXXXX";
        path = mkdtemp(name);
    }
    ~TempDir() { fs::remove_all(path); }
    fs::path path;
};

// The test starts attached (the module's load-time constructor ran) and leaves attached.
class ModuleEntry : public testing::Test {
protected:
    void SetUp() override {
        previous = AfxSetModalResponder([this](ModalRequest& r) {
            messages.push_back(r.text ? r.text : "");
            types.push_back(r.type);
            return IDOK;
        });
    }
    void TearDown() override {
        setLibrarySearchDirs({});
        DllMain(self(), DLL_PROCESS_ATTACH, nullptr);
        AfxSetModalResponder(previous);
    }
    ModalResponder previous;
    std::vector<std::string> messages;
    std::vector<UINT> types;
};

TEST_F(ModuleEntry, AttachWithoutTheLanguageLibraryFailsAndALaterAttachSucceeds) {
    ASSERT_NE(findDialogTemplate(IDD_GRADUATE), nullptr);
    EXPECT_TRUE(DllMain(self(), DLL_PROCESS_DETACH, nullptr));
    EXPECT_EQ(findDialogTemplate(IDD_GRADUATE), nullptr);
    EXPECT_FALSE(languageMapped());

    TempDir empty;
    setLibrarySearchDirs({empty.path.string()});
    EXPECT_FALSE(DllMain(self(), DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(messages, std::vector<std::string>{"No resource file!"});
    EXPECT_EQ(types, std::vector<UINT>{MB_OK});
    EXPECT_EQ(findDialogTemplate(IDD_GRADUATE), nullptr);
    EXPECT_FALSE(languageMapped());

    setLibrarySearchDirs({});
    EXPECT_TRUE(DllMain(self(), DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(messages.size(), 1u);
    const DLGTEMPLATE_DATA* graduate = findDialogTemplate(IDD_GRADUATE);
    ASSERT_NE(graduate, nullptr);
    EXPECT_EQ(graduate->id, IDD_GRADUATE);
    EXPECT_TRUE(languageMapped());
}

// A second attach loads nothing more; a second detach frees nothing more. A reference of the
// test's own keeps the library mapped, so a double free shows as an unmapped library, and a
// leaked load as one still mapped once that reference is gone.
TEST_F(ModuleEntry, AttachTwiceLoadsOnceAndDetachTwiceFreesOnce) {
    void* own = dlopen(languagePath().c_str(), RTLD_NOW);
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(DllMain(self(), DLL_PROCESS_ATTACH, nullptr));
    EXPECT_TRUE(DllMain(self(), DLL_PROCESS_DETACH, nullptr));
    EXPECT_TRUE(DllMain(self(), DLL_PROCESS_DETACH, nullptr));
    EXPECT_EQ(findDialogTemplate(IDD_DRAWCOMMENT), nullptr);
    EXPECT_TRUE(languageMapped());
    dlclose(own);
    EXPECT_FALSE(languageMapped());
    EXPECT_TRUE(DllMain(self(), DLL_THREAD_ATTACH, nullptr));
    EXPECT_TRUE(messages.empty());
}

// A host linked to the module at build time: this test program, run again on a copy of the
// module in a directory of its own, from another working directory.
TEST(ModuleStartup, HostStartsOnlyWithTheLanguageLibraryBesideTheModuleOrInItsWorkingDir) {
    struct Case {
        bool besideModule, inWorkingDir;
        int exitStatus;
    };
    for (Case c : {Case{false, false, 1}, Case{true, false, 0}, Case{false, true, 0}}) {
        TempDir dir;
        fs::path lib = dir.path / "lib", run = dir.path / "run";
        fs::create_directories(lib), fs::create_directories(run);
        fs::copy_file(modulePath(), lib / modulePath().filename());
        if (c.besideModule) fs::create_directories(lib / "Lang");
        if (c.inWorkingDir) fs::create_directories(run / "Lang");
        for (const fs::path& d : {lib, run})
            if (fs::exists(d / "Lang")) fs::copy_file(languagePath(), d / "Lang" / "plx.so");
        std::string command = "cd '" + run.string() + "' && LD_LIBRARY_PATH='" + lib.string() +
                              "' '" + fs::read_symlink("/proc/self/exe").string() +
                              "' --gtest_list_tests 2>&1 >/dev/null";
        FILE* child = popen(command.c_str(), "r");
        ASSERT_NE(child, nullptr);
        std::string errors;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, child)) errors += buffer;
        int status = pclose(child);
        ASSERT_TRUE(WIFEXITED(status)) << errors;
        EXPECT_EQ(WEXITSTATUS(status), c.exitStatus) << c.besideModule << c.inWorkingDir;
        EXPECT_EQ(errors.find("No resource file!\n") != std::string::npos, c.exitStatus == 1)
            << errors;
    }
}

TEST(AfxLoadLibrary, FindsDllNamesAsSharedObjectsAndRefusesMissingOnes) {
    for (const char* name : {"Lang/plx.dll", "Lang\\plx.DLL", "Lang/plx.so"}) {
        HINSTANCE h = AfxLoadLibrary(name);
        ASSERT_NE(h, nullptr) << name;
        EXPECT_NE(GetProcAddress(h, "PlxDialogTemplates"), nullptr);
        EXPECT_EQ(GetProcAddress(h, "NoSuchFunction"), nullptr);
        EXPECT_TRUE(AfxFreeLibrary(h));
    }
    for (const char* name : {"Lang/missing.dll", "missing.dll", "/nonexistent/plx.so", "", "plx"})
        EXPECT_EQ(AfxLoadLibrary(name), nullptr) << name;
    EXPECT_EQ(AfxLoadLibrary(nullptr), nullptr);
    EXPECT_FALSE(AfxFreeLibrary(nullptr));
}

} // namespace
