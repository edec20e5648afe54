// What the window does with a message taken from the queue before it is
// dispatched: mouse events for the controls, and Tab navigation.
#pragma once

#include <windows.h>

namespace tessavor {

// True when the message was consumed and must be neither translated nor
// dispatched. The loop offers every message for the window or its controls.
bool PreDispatchMessage(const MSG& message);

}  // namespace tessavor
