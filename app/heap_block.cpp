// The program's blocks: straight from the process heap.
#include "app/heap_block.h"

#include <windows.h>

namespace tessavor {

void* TakeHeapBlock(std::size_t size) { return HeapAlloc(GetProcessHeap(), 0, size); }

}  // namespace tessavor
