// The message loop and its idle rule. Idle work runs with a counter that
// grows with each call until the step has nothing left; the counter starts
// again after any message except paint, the caret timer and a mouse move to
// the same point, so an idle program stays idle.
#include "app/message_loop.h"

#include "ui/main_window.h"
#include "ui/pre_dispatch.h"

namespace tessavor {

namespace {

// The system timer message that blinks the caret.
constexpr UINT CaretBlinkMessage = 0x118;

int quitCode = 0;
POINT lastMovePoint{-1, -1};

// The program keeps no temporary objects, so one call finds nothing to do.
bool DoIdleWork(long) { return false; }

bool IsMouseMove(UINT message) { return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE; }

// A mouse move to where the pointer already was, a paint or the caret timer
// is no activity worth restarting the idle work for.
bool RestartsIdleWork(const MSG& message) {
  if (message.message == WM_PAINT || message.message == CaretBlinkMessage) return false;
  if (IsMouseMove(message.message)) {
    const POINT point = message.pt;
    const bool samePoint = point.x == lastMovePoint.x && point.y == lastMovePoint.y;
    lastMovePoint = point;
    return !samePoint;
  }
  return true;
}

}  // namespace

void DispatchQueuedMessage(const MSG& message) {
  // The pre-dispatch step belongs to the program window; offer it the
  // messages for that window and everything inside it.
  for (HWND window = message.hwnd; window != nullptr; window = GetParent(window)) {
    if (IsProgramWindow(window)) {
      if (PreDispatchMessage(message)) return;
      break;
    }
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void RunMessageLoop() {
  messageLoopRunning = true;
  if (!AnyProgramWindowExists()) return;
  long idleCount = 0;
  bool idle = true;
  MSG message;
  for (;;) {
    while (idle && !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!DoIdleWork(idleCount++)) idle = false;
    }
    if (!GetMessageA(&message, nullptr, 0, 0)) break;
    DispatchQueuedMessage(message);
    if (RestartsIdleWork(message)) {
      idle = true;
      idleCount = 0;
    }
  }
  quitCode = static_cast<int>(message.wParam);
}

int QuitCode() { return quitCode; }

}  // namespace tessavor
