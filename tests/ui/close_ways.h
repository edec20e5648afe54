// The ways a user closes the program's window, each done from a driver
// process with real input where a user has it: the close box clicked with
// the mouse, Alt+F4, and Close chosen from the system menu by keyboard; and
// a plain posted WM_CLOSE, which all of them come down to.
#pragma once

#include <windows.h>

#include <span>

namespace tessavor::test {

struct CloseWay {
  const char* name;
  // Starts closing the foreground window `window`; false when the way could
  // not be taken (no close box found, no system menu opened).
  bool (*close)(HWND window);
};

std::span<const CloseWay> CloseWays();

}  // namespace tessavor::test
