// The heap of the test build whose conversion fails: a block larger than
// LimitedHeapLargestBlock is refused as an exhausted heap would refuse it;
// smaller ones come from the process heap as usual.
#include <windows.h>

#include "app/heap_block.h"
#include "tests/ui/test_programs.h"

namespace tessavor {

void* TakeHeapBlock(std::size_t size) {
  if (size > test::LimitedHeapLargestBlock) return nullptr;
  return HeapAlloc(GetProcessHeap(), 0, size);
}

}  // namespace tessavor
