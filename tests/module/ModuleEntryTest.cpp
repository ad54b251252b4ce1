// The module entry loads the language library and links its templates into the resource chain;
// without the library it refuses, and a host linked to the module then does not start.
#include <gtest/gtest.h>

#include <cstdio>
#include <dlfcn.h>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "TempDir.h"
#include "module/DllMain.h"
#include "module/ResourceIds.h"
#include "platform/afx/AfxLoadLibrary_p.h"
#include "platform/afx/ResourceChain.h"
#include "platform/dlg/AfxMessageBox.h"
#include "platform/dlg/ModalResponder.h"

namespace fs = std::filesystem;

namespace {

Dl_info moduleInfo() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&DllMain), &info);
    return info;
}
const fs::path modulePath = moduleInfo().dli_fname;
const fs::path languagePath = modulePath.parent_path() / "Lang" / "plx.so";
const auto self = static_cast<HINSTANCE>(moduleInfo().dli_fbase);

// Runs a shell command; its exit status and what it wrote on both streams.
std::pair<int, std::string> run(const std::string& command) {
    std::string output;
    FILE* child = popen((command + " 2>&1").c_str(), "r");
    if (!child) return {-1, output};
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, child)) output += buffer;
    const int status = pclose(child);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// Whether the language library is mapped, without keeping a reference.
bool languageMapped() {
    void* h = dlopen(languagePath.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (h) dlclose(h);
    return h != nullptr;
}

} // namespace

// The program starts attached (the load-time constructor ran) and is left attached. A
// reference of the test's own keeps the library mapped, so a double free shows as an unmapped
// library, and a leaked load as a library still mapped once that reference is gone.
TEST(ModuleEntry, AttachNeedsTheLanguageLibraryAndLoadsAndFreesItOnce) {
    std::vector<std::string> messages;
    struct Restore {
        ModalResponder previous;
        ~Restore() {
            setLibrarySearchDirs({});
            DllMain(self, DLL_PROCESS_ATTACH, nullptr);
            AfxSetModalResponder(previous);
        }
    } restore{AfxSetModalResponder([&](ModalRequest& r) {
        messages.push_back(std::string(r.text) + (r.type == MB_OK ? "" : " (not MB_OK)"));
        return IDOK;
    })};
    ASSERT_NE(findDialogTemplate(IDD_GRADUATE), nullptr);
    void* own = dlopen(languagePath.c_str(), RTLD_NOW);
    EXPECT_TRUE(DllMain(self, DLL_PROCESS_ATTACH, nullptr));
    EXPECT_TRUE(DllMain(self, DLL_PROCESS_DETACH, nullptr));
    EXPECT_TRUE(DllMain(self, DLL_PROCESS_DETACH, nullptr));
    EXPECT_EQ(findDialogTemplate(IDD_GRADUATE), nullptr);
    EXPECT_TRUE(languageMapped());
    dlclose(own);
    EXPECT_FALSE(languageMapped());

    TempDir empty;
    setLibrarySearchDirs({empty.path.string()});
    EXPECT_FALSE(DllMain(self, DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(messages, std::vector<std::string>{"No resource file!"});
    EXPECT_EQ(findDialogTemplate(IDD_GRADUATE), nullptr);
    EXPECT_FALSE(languageMapped());

    setLibrarySearchDirs({});
    EXPECT_TRUE(DllMain(self, DLL_PROCESS_ATTACH, nullptr));
    EXPECT_TRUE(DllMain(self, DLL_THREAD_ATTACH, nullptr));
    EXPECT_EQ(messages.size(), 1u);
    ASSERT_NE(findDialogTemplate(IDD_GRADUATE), nullptr);
    EXPECT_EQ(findDialogTemplate(IDD_GRADUATE)->id, IDD_GRADUATE);
}

// A host linked to the module at build time, run on a copy of libploxen.so in a directory of
// its own, from another working directory.
TEST(ModuleEntry, HostStartsOnlyWithTheLanguageLibraryBesideTheModuleOrInItsWorkingDir) {
    struct Case {
        bool besideModule, inWorkingDir;
        int exitStatus;
    };
    for (Case c : {Case{false, false, 1}, Case{true, false, 0}, Case{false, true, 0}}) {
        TempDir dir;
        fs::path lib = dir.path / "lib", work = dir.path / "work";
        fs::create_directories(lib), fs::create_directories(work);
        fs::copy_file(PLOXEN_LIBRARY, lib / PLOXEN_LIBRARY_SONAME);
        for (fs::path d : {c.besideModule ? lib : fs::path(), c.inWorkingDir ? work : fs::path()})
            if (!d.empty() && fs::create_directory(d / "Lang"))
                fs::copy_file(languagePath, d / "Lang" / "plx.so");
        const auto [status, output] = run("cd '" + work.string() + "' && LD_LIBRARY_PATH='" +
                                          lib.string() + "' '" PLOXEN_HOST "'");
        EXPECT_EQ(status, c.exitStatus) << c.besideModule << c.inWorkingDir << output;
        EXPECT_EQ(output.find("No resource file!\n") != std::string::npos, c.exitStatus == 1);
    }
}

// A copy of the library loaded at run time from a directory without the language library (the
// working directory has none either) is refused and the program goes on: a host linked to the
// library gets NULL from AfxLoadLibrary, and a program that calls dlopen gets a handle of a
// module that did not attach, dlopen having no way to fail from the module's constructor.
TEST(ModuleEntry, RunTimeLoadWithoutTheLanguageLibraryIsRefusedAndTheProgramGoesOn) {
    TempDir dir;
    const fs::path copy = dir.path / PLOXEN_LIBRARY_SONAME;
    fs::copy_file(PLOXEN_LIBRARY, copy);
    // Two copies of the library in one process both register the objects they export, which
    // AddressSanitizer takes for a violation of the one-definition rule.
    const auto [status, output] =
        run("cd '" + dir.path.string() +
            "' && ASAN_OPTIONS=\"$ASAN_OPTIONS:detect_odr_violation=0\" '" + PLOXEN_HOST "' '" +
            copy.string() + "'");
    EXPECT_EQ(status, 0) << output;
    EXPECT_NE(output.find("No resource file!\n"), std::string::npos) << output;
    EXPECT_NE(output.find("AfxLoadLibrary: NULL\n"), std::string::npos) << output;
    EXPECT_EXIT(
        {
            if (chdir(dir.path.c_str()) != 0) std::_Exit(2);
            dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
            std::_Exit(0);
        },
        testing::ExitedWithCode(0), "^No resource file!\n$");
}

TEST(ModuleEntry, AfxLoadLibraryFindsDllNamesAsSharedObjectsAndRefusesMissingOnes) {
    HINSTANCE h = AfxLoadLibrary("Lang\\plx.DLL"); // the language library, beside the module
    ASSERT_NE(h, nullptr);
    EXPECT_NE(GetProcAddress(h, "PlxDialogTemplates"), nullptr);
    EXPECT_TRUE(AfxFreeLibrary(h));
    for (const char* name : {"Lang/missing.dll", "missing.dll", "/nonexistent/plx.so", "", "plx"})
        EXPECT_EQ(AfxLoadLibrary(name), nullptr) << name;
    EXPECT_EQ(AfxLoadLibrary(nullptr), nullptr);

    // A name relative to the working directory follows it: what another one held is not taken.
    TempDir with, without;
    fs::create_directory(with.path / "Lang");
    fs::copy_file(languagePath, with.path / "Lang" / "plx.so");
    const fs::path cwd = fs::current_path();
    setLibrarySearchDirs({"."});
    fs::current_path(with.path);
    h = AfxLoadLibrary("Lang/plx.dll");
    fs::current_path(without.path);
    EXPECT_NE(h, nullptr);
    EXPECT_EQ(AfxLoadLibrary("Lang/plx.dll"), nullptr);
    fs::current_path(cwd);
    setLibrarySearchDirs({});
    AfxFreeLibrary(h);
}
