// The start-up's floating-point reset: whatever the start-up code left, the
// x87 unit ends up at 64-bit precision, round to nearest, all exceptions masked.
#include "app/fpu.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tessavor {
namespace {

std::uint16_t ControlWord() {
  std::uint16_t word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}

void LoadControlWord(std::uint16_t word) { __asm__ volatile("fldcw %0" : : "m"(word)); }

TEST(FloatingPointReset, SetsSixtyFourBitPrecisionWithAllExceptionsMasked) {
  const std::uint16_t before = ControlWord();
  // 53-bit precision as the start-up code sets it, then other odd states.
  for (const std::uint16_t start : {std::uint16_t{0x027F}, std::uint16_t{0x0C7F}, std::uint16_t{0x0372}}) {
    SCOPED_TRACE(start);
    LoadControlWord(start);
    ResetFloatingPointUnit();
    EXPECT_EQ(ControlWord(), 0x037F);
  }
  LoadControlWord(before);
}

}  // namespace
}  // namespace tessavor
