#include <ploxen/platform/afx/AfxLoadLibrary.h>
#include <ploxen/platform/afx/AfxLoadLibrary_p.h>

#include <algorithm>
#include <cctype>
#include <dlfcn.h>
#include <filesystem>

namespace {

std::vector<std::string>& searchOverride() {
    static auto* dirs = new std::vector<std::string>;
    return *dirs;
}

// The directory this library was loaded from.
std::string libraryDir() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&AfxLoadLibrary), &info) || !info.dli_fname) return ".";
    std::string path = info.dli_fname;
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// The platform name in this platform's spelling: '/' separators and ".so" for ".dll".
std::string localName(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    if (name.size() >= 4) {
        std::string suffix = name.substr(name.size() - 4);
        std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        if (suffix == ".dll") name.replace(name.size() - 4, 4, ".so");
    }
    return name;
}

// The path made absolute: the loader takes a relative path that names a library it loaded
// before, from another working directory, for that library.
std::string absolutePath(const std::string& path) {
    std::error_code failed;
    const std::filesystem::path full = std::filesystem::absolute(path, failed);
    return failed ? path : full.string();
}

// A module that refused keeps its reference: its constructor may have started Qt's application
// object, which keeps pointers into the module, so it is never unmapped.
HINSTANCE loadFile(const std::string& path) {
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    auto refused =
        module ? reinterpret_cast<BOOL (*)()>(dlsym(module, PLX_MODULE_REFUSED_SYMBOL)) : nullptr;
    return static_cast<HINSTANCE>(refused && refused() ? nullptr : module);
}

} // namespace

HINSTANCE AfxLoadLibrary(LPCSTR lpszModuleName) {
    if (!lpszModuleName || !*lpszModuleName) return nullptr;
    const std::string name = localName(lpszModuleName);
    if (name.front() == '/') return loadFile(name);
    std::vector<std::string> dirs = searchOverride();
    if (dirs.empty()) dirs = {libraryDir(), "."};
    for (const std::string& dir : dirs)
        if (HINSTANCE h = loadFile(absolutePath(dir + "/" + name))) return h;
    return name.find('/') == std::string::npos ? loadFile(name) : nullptr;
}

BOOL AfxFreeLibrary(HINSTANCE hInstLib) {
    return hInstLib && dlclose(hInstLib) == 0;
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    if (!hModule || !lpProcName) return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(hModule, lpProcName));
}

void setLibrarySearchDirs(std::vector<std::string> dirs) {
    searchOverride() = std::move(dirs);
}
