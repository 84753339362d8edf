#include "test_paths.h"

#include <windows.h>

std::string BuildDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    return directory.substr(0, directory.find_last_of('\\'));
}

std::string ScratchDirectory(const std::string& name) {
    const std::string scratch = BuildDirectory() + "\\scratch";
    CreateDirectoryA(scratch.c_str(), nullptr);
    const std::string directory = scratch + "\\" + name;
    CreateDirectoryA(directory.c_str(), nullptr);
    return directory;
}
