#include "app/module_path.h"

namespace {

// Code page 936 lead bytes; each is followed by one trail byte, which may be 0x40 to 0xFE.
bool IsLeadByte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

}  // namespace

ModulePathParts SplitModulePath(std::string_view path) {
    std::size_t last_backslash = std::string_view::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            last_backslash = i;
    }
    if (last_backslash == std::string_view::npos) return {{}, path};
    return {path.substr(0, last_backslash), path.substr(last_backslash + 1)};
}
