// Opening a web address through the Win32 shell. The shell starts or reuses
// the browser on its own; the program neither waits for it nor keeps a
// handle, and a failure to open is not reported.
#include <windows.h>
#include <shellapi.h>

#include "ui/link_label.h"

namespace tessavor {

namespace {

// A browser window of this title, if one is open, owns the shell's request.
constexpr char BrowserWindowTitle[] = "Microsoft Internet Explorer";

}  // namespace

void OpenWebAddress(const char* address) {
  const HWND owner = FindWindowExA(nullptr, nullptr, nullptr, BrowserWindowTitle);
  ShellExecuteA(owner, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace tessavor
