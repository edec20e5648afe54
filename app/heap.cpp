// Global allocation on the process heap. A failed allocation is fatal and is
// reported with its size; the box is built without allocating.
#include <windows.h>

#include <cstddef>
#include <new>

#include "app/heap_block.h"
#include "ui/fatal_error.h"

namespace {

void* Allocate(std::size_t size) {
  if (void* block = tessavor::TakeHeapBlock(size)) return block;
  char message[100];
  wsprintfA(message, "\xB7\xD6\xC5\xE4 %d \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!" /* 分配 %d 字节内存失败! */,
            static_cast<int>(size));
  tessavor::ReportFatalError(message, 0);
}

void Release(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return tessavor::TakeHeapBlock(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return tessavor::TakeHeapBlock(size); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, std::size_t) noexcept { Release(block); }
void operator delete[](void* block, std::size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }
