#pragma once

#include <cstdlib>

// Blocks of this program come from malloc, so their owners release them with free.
struct FreeDeleter {
    void operator()(void* block) const noexcept { std::free(block); }
};
