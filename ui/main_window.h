// The main window: built from its form description, painted in the
// button-face colour, handing its edit boxes their own notifications, and
// giving the focus back to the right box when it is activated.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tessavor {

// Set by the message loop before it takes its first message. Destroying the
// last program window while it is set ends the loop.
extern bool messageLoopRunning;

// Builds the window and its controls, hidden, with every control shown;
// no control event is delivered meanwhile. False when the description has
// no such window or a window cannot be created.
bool BuildWindow(std::uint32_t window);

// True while `handle` is a built program window.
bool IsProgramWindow(HWND handle);
bool AnyProgramWindowExists();

// Raises FocusGained once more for the control that holds the focus, as the
// start-up does right after showing the window.
void RaiseFocusGainedOfFocusedControl();

}  // namespace tessavor
