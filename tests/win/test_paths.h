#pragma once

#include <string>

// The directory of the running test executable, where the programs under test are built.
std::string BuildDirectory();

// A fresh, empty directory of this name for one test's files, inside the build directory.
std::string ScratchDirectory(const std::string& name);
