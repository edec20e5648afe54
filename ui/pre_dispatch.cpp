// Pre-dispatch of queued messages. A press of the left button becomes
// LeftButtonDown for the exact window it is for, and a handler's returned 0
// cancels the press; Tab and Shift+Tab move the focus and are consumed.
#include "ui/pre_dispatch.h"

#include <cstdint>

#include "ui/control_event.h"
#include "ui/navigation.h"
#include "ui/window_registry.h"

namespace tessavor {

namespace {

std::int32_t KeyState() {
  std::int32_t state = 0;
  if (GetKeyState(VK_CONTROL) < 0) state |= 1;
  if (GetKeyState(VK_SHIFT) < 0) state |= 2;
  if (GetKeyState(VK_MENU) < 0) state |= 4;
  return state;
}

bool OnLeftButtonDown(const MSG& message) {
  std::uint32_t window = 0;
  std::uint32_t control = 0;
  if (const BuiltControl* built = FindBuiltControlByHandle(message.hwnd)) {
    window = BuiltWindowIdentifier(GetAncestor(message.hwnd, GA_PARENT));
    control = built->record->identifier;
  } else if (const std::uint32_t own = BuiltWindowIdentifier(message.hwnd)) {
    window = own;
    control = own;
  } else {
    return false;
  }
  // The coordinates are the two words of lParam, taken unsigned.
  const std::int32_t arguments[] = {LOWORD(message.lParam), HIWORD(message.lParam), KeyState()};
  const EventResult result = RaiseControlEvent(window, control, ControlEvent::LeftButtonDown, arguments);
  return result.delivered && result.returned == 0;
}

bool OnTab(const MSG& message) {
  if (const HWND next = TabStopAfter(message.hwnd, GetKeyState(VK_SHIFT) < 0)) SetFocus(next);
  return true;
}

}  // namespace

bool PreDispatchMessage(const MSG& message) {
  switch (message.message) {
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(message);
    case WM_KEYDOWN:
      if (message.wParam == VK_TAB) return OnTab(message);
      break;
  }
  return false;
}

}  // namespace tessavor
