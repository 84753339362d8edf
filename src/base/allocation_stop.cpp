#include "base/allocation_stop.h"

#include <cstdlib>

void* AllocateResultBlock(std::size_t bytes) {
    // malloc(0) may give null without failing; every caller asks for at least the NUL.
    void* block = std::malloc(bytes);
    if (block == nullptr) StopOnAllocationFailure(bytes);
    return block;
}
