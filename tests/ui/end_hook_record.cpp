// The test programs' end hook: it leaves a line in a file, so a driver can
// see whether, how often and in which directory it ran.
#include <windows.h>

#include "app/lifecycle.h"
#include "tests/ui/test_programs.h"

namespace tessavor {

void OnProgramEnd() {
  const HANDLE file = CreateFileA(test::EndHookRecord, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, "OnProgramEnd\r\n", 14, &written, nullptr);
  CloseHandle(file);
}

}  // namespace tessavor
