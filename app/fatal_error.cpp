// The fatal error box and exit code -1. The text is built in a fixed buffer
// with the ANSI string calls, so this path allocates nothing: it also
// reports a failed allocation. The box is shown through the wide call, so
// the GBK texts read right whatever the ANSI code page.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/lifecycle.h"
#include "ui/control_event.h"
#include "ui/fatal_error.h"
#include "ui/gbk_text.h"

namespace tessavor {

namespace {

constexpr char Heading[] = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";  // 运行时出错!
constexpr char CodeLabel[] = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";         // 错误代码：
constexpr char MessageLabel[] = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";      // 错误信息：
constexpr char Caption[] = "\xB4\xED\xCE\xF3";                                   // 错误

// Appends as much of `text` as fits, keeping the terminating zero.
void Append(char* buffer, std::size_t capacity, std::string_view text) {
  const std::size_t used = std::strlen(buffer);
  const std::size_t count = std::min(text.size(), capacity - 1 - used);
  std::memcpy(buffer + used, text.data(), count);
  buffer[used + count] = '\0';
}

}  // namespace

void ReportFatalError(std::string_view message, std::int32_t errorCode) {
  ++eventsSuspended;
  char text[1024] = "";
  Append(text, sizeof text, Heading);
  if (errorCode != 0) {
    char number[16];
    wsprintfA(number, "%d", errorCode);
    Append(text, sizeof text, CodeLabel);
    Append(text, sizeof text, number);
    Append(text, sizeof text, "\r\n\r\n");
  }
  if (!message.empty()) {
    Append(text, sizeof text, MessageLabel);
    Append(text, sizeof text, message);
    Append(text, sizeof text, "\r\n");
  }
  // A GBK character never takes fewer bytes than UTF-16 units, so the wide
  // buffers hold every character of the byte ones.
  wchar_t wideText[sizeof text];
  CopyWideFromGbk(text, wideText, std::size(wideText));
  wchar_t wideCaption[sizeof Caption];
  CopyWideFromGbk(Caption, wideCaption, std::size(wideCaption));
  MessageBoxW(nullptr, wideText, wideCaption, MB_ICONERROR);
  endHook = nullptr;
  CleanUpProcess(-1);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace tessavor
