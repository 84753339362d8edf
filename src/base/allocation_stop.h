#pragma once

#include <cstddef>

// Result blocks (texts and the like handed to a caller) come from here. When the memory cannot
// be had, the program stops with its fatal box instead of returning: the handlers have no way to
// go on without the text they asked for. Private working buffers do not use this and fail quietly.
void* AllocateResultBlock(std::size_t bytes);

// Ends the program after a result block of `bytes` could not be allocated. The window host
// provides it on Windows; the native test build provides one that throws.
[[noreturn]] void StopOnAllocationFailure(std::size_t bytes);
