#include "desktop/dropped_names.h"

std::string JoinDroppedNames(const std::vector<std::string>& names) {
    if (names.size() == 1) return names.front();
    std::string joined;
    for (const std::string& name : names) joined.append(name).append("\r\n");
    return joined;
}
