// The message loop: idle work while the queue is empty, then each message
// offered to the window's pre-dispatch step before it is dispatched.
#pragma once

#include <windows.h>

namespace tessavor {

// Returns when GetMessageA takes WM_QUIT, or at once when no program window
// exists.
void RunMessageLoop();

// One message taken from the queue: offered to the pre-dispatch step of the
// program window it is for, then translated and dispatched unless consumed.
void DispatchQueuedMessage(const MSG& message);

// The wParam of the WM_QUIT that ended the loop: the process's exit code.
int QuitCode();

}  // namespace tessavor
