// Input, readiness and timing helpers of the window drivers; see
// window_driving.h. SendInput goes to whatever window is foreground, so the
// callers bring the program's window to the front first.
#include "bench/window/window_driving.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "tests/ui/input_events.h"
#include "tests/ui/process_driver.h"

namespace tessavor::bench {

HWND BoxOf(HWND window, std::uint32_t controlId) { return GetDlgItem(window, LOWORD(controlId)); }

bool ReadyForTyping(HWND window) {
  if (!IsWindowVisible(window)) return false;
  const HWND focus = test::FocusOf(window);
  return focus != nullptr && (focus == window || IsChild(window, focus));
}

void TapKey(WORD key) {
  INPUT inputs[] = {test::KeyInput(key, false), test::KeyInput(key, true)};
  SendInput(2, inputs, sizeof(INPUT));
}

void ClickMiddleOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  INPUT inputs[] = {test::ButtonInput(MOUSEEVENTF_LEFTDOWN), test::ButtonInput(MOUSEEVENTF_LEFTUP)};
  SendInput(2, inputs, sizeof(INPUT));
}

bool ClickIntoBox(HWND window, HWND box) {
  using namespace std::chrono_literals;
  // Tries a second apart: never close enough to make a double click.
  for (int attempt = 0; attempt < 10; ++attempt) {
    ClickMiddleOf(box);
    if (test::WaitUntil([&] { return test::FocusOf(window) == box; }, 1000ms)) return true;
  }
  return false;
}

bool WaitForIdle(HANDLE process, DWORD timeoutMs) { return WaitForInputIdle(process, timeoutMs) == 0; }

double NowMicroseconds() {
  static const double ticksPerMicrosecond = [] {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
  }();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMicrosecond;
}

double Percentile(std::vector<double> samples, double fraction) {
  std::sort(samples.begin(), samples.end());
  const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
  return samples[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace tessavor::bench
