// The real window, built in the test process, driven by walk actions the way
// a user drives it and read back in the shape of the model's observation.
#pragma once

#include <windows.h>

#include "tests/model/observation.h"
#include "tests/model/walk_action.h"

namespace tessavor::model {

struct RealWindow {
  HWND main = nullptr;
  HWND other = nullptr;  // a second top-level window that takes the activation
  POINT lastClick{-100, -100};
};

// Makes the second window, hidden and clear of the main window.
RealWindow PrepareRealWindow(HWND main);
void ReleaseRealWindow(RealWindow& real);

// Real input through SendInput and the clipboard, pumped through the
// program's dispatch step. Select-all is EM_SETSEL (0, -1) sent to the
// focused box, because the edit control under Wine ignores Ctrl+A. Clicks
// never land within 6 pixels of the previous click, so none becomes a
// double click.
void SendAction(RealWindow& real, const Action& action);

// The texts, selections, converter flags, focused box and logged events.
Observation ObserveRealWindow();

// Pumps until the window shows what is expected or 2 seconds have passed,
// pumps a little longer for anything late, and returns what it shows.
Observation AwaitExpected(const Observation& expected);

// Back to the start-up state through the program's own paths: the window is
// made foreground again, the focus goes to the resolution box (the length box
// that had it normalises and reports its loss, so both flags are 0), and
// "72" is set there as a user's paste would, whose TextChanged empties both
// length boxes; every caret is then at 0. The event log is cleared. Returns
// whether the window then shows the model's starting state.
bool ResetRealWindow(RealWindow& real);

}  // namespace tessavor::model
