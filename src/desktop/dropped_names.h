#pragma once

#include <string>
#include <vector>

// The dropped names as one text: one name alone as it is; several each followed by CR LF,
// the last one too; none, the empty text.
std::string JoinDroppedNames(const std::vector<std::string>& names);
