// What the test builds of the program and their drivers share: the file the
// test end hook writes, and the allocation the heap test program asks for.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tessavor::test {

// Written by the test end hook into the current directory, which the program
// has made its own folder by then; one line per run of the hook.
inline constexpr char EndHookRecord[] = "end-hook.log";

// A request no heap can grant. On x86-64 it is 2^40 more than on x86, so that
// wsprintfA's 32-bit %d shows the same 2147483632 on both.
inline constexpr std::size_t FailingAllocationSize =
    sizeof(std::size_t) == 4 ? std::size_t{0x7FFFFFF0} : std::size_t(0x7FFFFFF0) + (std::size_t(1) << 20 << 20);

}  // namespace tessavor::test
