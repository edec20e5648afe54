// Brings a running Tessavor.exe into the state of the README's screenshot, as
// a user would: a click into 厘米, the key 5, and 像素 converted. Prints the
// window's rectangle as an ImageMagick crop geometry (WxH+X+Y) for the shot.
//   screenshot_driver type | screenshot_driver close
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/window/window_driving.h"
#include "core/converter.h"
#include "tests/ui/process_driver.h"

namespace {

using namespace std::chrono_literals;
using tessavor::bench::BoxOf;

// 5 cm at the initial 72 dpi.
constexpr char ExpectedPixels[] = "141.7322834646";

// The program's window once it takes keys; a first start in a fresh prefix
// can be slow, hence the long wait.
HWND FindReadyWindow() {
  HWND window = nullptr;
  tessavor::test::WaitUntil(
      [&] {
        window = FindWindowA(nullptr, tessavor::bench::WindowTitle);
        return window != nullptr && tessavor::bench::ReadyForTyping(window);
      },
      60s);
  return window;
}

int Fail(const char* what) {
  std::fprintf(stderr, "screenshot_driver: %s\n", what);
  return 1;
}

int TypeFive(HWND window) {
  SetForegroundWindow(window);
  const HWND centimetres = BoxOf(window, tessavor::CentimetreBoxId);
  const HWND pixels = BoxOf(window, tessavor::PixelBoxId);
  if (!tessavor::bench::ClickIntoBox(window, centimetres)) {
    return Fail("the click did not put the focus into the centimetre box");
  }
  tessavor::bench::TapKey('5');
  if (!tessavor::test::WaitUntil([&] { return tessavor::test::TextOf(pixels) == ExpectedPixels; })) {
    return Fail(("the pixel box holds \"" + tessavor::test::TextOf(pixels) + "\"").c_str());
  }
  // The text is in place before it is painted: wait until the program has
  // handled its paint messages too, and give the display a moment to show it.
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
    tessavor::bench::WaitForIdle(process);
    CloseHandle(process);
  }
  Sleep(300);
  RECT rect{};
  GetWindowRect(window, &rect);
  std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool type = argc == 2 && std::strcmp(argv[1], "type") == 0;
  const bool close = argc == 2 && std::strcmp(argv[1], "close") == 0;
  if (!type && !close) return Fail("usage: screenshot_driver type|close");
  const HWND window = FindReadyWindow();
  if (window == nullptr) return Fail("no window \"Tessavorv1.0\" ready for typing");
  if (close) return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : Fail("WM_CLOSE could not be posted");
  return TypeFive(window);
}
