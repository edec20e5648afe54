// What one call costs in memory: the bytes it takes from the heap through
// operator new, and how far it raises the peak resident set size. Used to
// show that reading a huge text makes no copy of it.
#pragma once

#include <cstddef>
#include <functional>

namespace tessavor::bench {

struct MemoryUse {
  std::size_t heapBytes = 0;
  // -1 when the kernel does not let the peak be reset first, so that the
  // figure would only be an upper bound of something else.
  long peakRssGrowthKb = -1;
};

MemoryUse MeasureMemory(const std::function<void()>& call);

}  // namespace tessavor::bench
