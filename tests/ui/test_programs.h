// What the test builds of the program and their drivers share: the file the
// test end hook writes, and the allocations the heap test programs ask for
// or refuse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessavor::test {

// Written by the test end hook into the current directory, which the program
// has made its own folder by then; one line per run of the hook. The
// event-recording build writes its events and the main window's destruction
// there too, so the lines show the order of all three.
inline constexpr char EndHookRecord[] = "end-hook.log";

// The record beside the program at the Windows path `program`, for drivers.
// The folder is found by the last backslash byte, which a GBK name with a
// 0x5C trail byte would mislead.
inline std::string RecordPathBeside(const std::string& program) {
  return program.substr(0, program.find_last_of('\\')) + "\\" + EndHookRecord;
}

// Appends `line` and CR LF to EndHookRecord (end_hook_record.cpp).
void AppendRecordLine(std::string_view line);

// A request no heap can grant. On x86-64 it is 2^40 more than on x86, so that
// wsprintfA's 32-bit %d shows the same 2147483632 on both.
inline constexpr std::size_t FailingAllocationSize =
    sizeof(std::size_t) == 4 ? std::size_t{0x7FFFFFF0} : std::size_t(0x7FFFFFF0) + (std::size_t(1) << 20 << 20);

// The largest block the limited heap (heap_block_limited.cpp) grants. The
// program's start-up asks for nothing near it; a conversion of a pasted text
// of this length or more asks for more.
inline constexpr std::size_t LimitedHeapLargestBlock = 4096;

}  // namespace tessavor::test
