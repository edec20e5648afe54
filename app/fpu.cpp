// The x87 reset at start-up, the program's only inline assembly. The start-up
// code leaves 53-bit precision; the converter's arithmetic is specified for
// the 64-bit precision FNINIT sets, so ProgramMain resets it before any window
// exists.
#include "app/fpu.h"

namespace tessavor {

void ResetFloatingPointUnit() {
#if defined(__i386__) || defined(__x86_64__)
  __asm__ volatile("fninit");
#endif
}

}  // namespace tessavor
