#include <new>

#include "base/allocation_stop.h"

// The program's allocation stop shows a fatal box and ends the process; the unit tests only
// need to see that it was reached.
void StopOnAllocationFailure(std::size_t) {
    throw std::bad_alloc();
}
