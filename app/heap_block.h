// Where the program's blocks come from. It is a part of its own, so a test
// build can put a heap with a limit in its place and reach the fatal path of
// a failed allocation through an ordinary conversion.
#pragma once

#include <cstddef>

namespace tessavor {

// A block of `size` bytes from the process heap, or null when the heap has
// none to give. Blocks are released with HeapFree on the process heap.
void* TakeHeapBlock(std::size_t size);

}  // namespace tessavor
