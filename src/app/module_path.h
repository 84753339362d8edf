#pragma once

#include <string_view>

struct ModulePathParts {
    std::string_view run_directory;  // without the trailing backslash; empty without one
    std::string_view file_name;
};

// Splits the executable's path at its last backslash. The path is a code-page-936 multi-byte
// string, so a 0x5C that is the trail byte of a double-byte character is not a backslash.
ModulePathParts SplitModulePath(std::string_view path);
