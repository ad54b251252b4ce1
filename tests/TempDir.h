// A fresh directory under the system's temporary directory, removed with everything in it, and a
// reader of whole files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
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

// The bytes of the file, empty when it cannot be read.
inline std::string readFile(const std::string& path) {
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}
