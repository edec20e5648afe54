// Keyboard focus among the built controls: the Tab order and the first tab
// stop that takes the focus when there is nothing to give back.
#pragma once

#include <windows.h>

namespace tessavor {

// The control that Tab (Shift+Tab when `backwards`) moves to from `current`,
// or null when no control takes part.
HWND TabStopAfter(HWND current, bool backwards);

// The first visible, enabled tab stop in creation order, or null.
HWND FirstTabStop();

}  // namespace tessavor
