// A fresh directory under the system's temporary directory, removed with everything in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

struct TempDir {
    std::filesystem::path path;

    TempDir() {
        std::string templ = (std::filesystem::temp_directory_path() / "ploxen-XXXXXX").string();
        path = mkdtemp(templ.data());
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string operator/(const char* name) const { return (path / name).string(); }
};
