// Heap bytes are counted by replacing the global operator new of this
// program. The peak RSS (getrusage) is a high-water mark, so it is first
// reset to the current RSS through /proc/self/clear_refs; otherwise an
// earlier, larger allocation would hide a copy made by the call. Freed heap
// memory is handed back first too, or a copy could reuse resident pages.
#include "bench/memory_probe.h"

#include <malloc.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {
std::size_t allocatedBytes = 0;
}  // namespace

void* operator new(std::size_t size) {
  allocatedBytes += size;
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace tessavor::bench {
namespace {

bool ResetPeakRss() {
  std::FILE* file = std::fopen("/proc/self/clear_refs", "w");
  if (file == nullptr) return false;
  const bool written = std::fputs("5", file) >= 0;
  return std::fclose(file) == 0 && written;
}

long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

MemoryUse MeasureMemory(const std::function<void()>& call) {
  MemoryUse use;
  malloc_trim(0);
  const bool reset = ResetPeakRss();
  const long peakBefore = PeakRssKb();
  const std::size_t heapBefore = allocatedBytes;
  call();
  use.heapBytes = allocatedBytes - heapBefore;
  if (reset) use.peakRssGrowthKb = PeakRssKb() - peakBefore;
  return use;
}

}  // namespace tessavor::bench
