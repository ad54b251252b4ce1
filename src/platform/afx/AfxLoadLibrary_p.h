// The library loader's search path, which tests replace.
#pragma once

#include <string>
#include <vector>

// Replaces the directories a relative name is searched in (an empty list restores the default:
// beside this library, then the working directory).
void setLibrarySearchDirs(std::vector<std::string> dirs);
