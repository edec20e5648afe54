// The test programs' end hook: it leaves a line in a file, so a driver can
// see whether, how often and in which directory it ran. Other records of a
// test build go to the same file, so one file holds their order.
#include <windows.h>

#include <string>

#include "app/lifecycle.h"
#include "tests/ui/test_programs.h"

namespace tessavor {

namespace test {

void AppendRecordLine(std::string_view line) {
  const HANDLE file = CreateFileA(EndHookRecord, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  const std::string text = std::string(line) + "\r\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace test

void OnProgramEnd() { test::AppendRecordLine("OnProgramEnd"); }

}  // namespace tessavor
