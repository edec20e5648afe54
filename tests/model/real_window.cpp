// Driving and reading the real window for the model walk, with the input
// helpers of the window tests.
#include "tests/model/real_window.h"

#include <chrono>
#include <cstdlib>

#include "core/converter.h"
#include "tests/ui/window_test_support.h"
#include "ui/window_text.h"

namespace tessavor::model {

namespace {

constexpr std::chrono::milliseconds MatchTimeout(2000);
// Long enough for a late message of the same action to arrive.
constexpr std::chrono::milliseconds Settle(10);
// Double-click distance is at most 4 pixels here and on Windows' defaults.
constexpr LONG ClickSeparation = 6;

HWND FocusedBox() {
  const HWND focus = GetFocus();
  for (std::size_t i = 0; i < BoxCount; ++i) {
    if (test::Box(BoxControl(i)) == focus) return focus;
  }
  return nullptr;
}

// A box is clicked at the right end of its text line, a label in its middle.
POINT ClickPoint(RealWindow& real, std::uint32_t control, bool box) {
  const HWND hwnd = test::Box(control);
  RECT client;
  GetClientRect(hwnd, &client);
  POINT point{box ? client.right - 3 : (client.left + client.right) / 2, (client.top + client.bottom) / 2};
  ClientToScreen(hwnd, &point);
  if (std::abs(point.x - real.lastClick.x) < ClickSeparation && std::abs(point.y - real.lastClick.y) < ClickSeparation) {
    point.x -= 2 * ClickSeparation;
  }
  real.lastClick = point;
  return point;
}

}  // namespace

RealWindow PrepareRealWindow(HWND main) {
  RealWindow real;
  real.main = main;
  real.other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  return real;
}

void ReleaseRealWindow(RealWindow& real) {
  if (real.other != nullptr) DestroyWindow(real.other);
  real.other = nullptr;
}

void SendAction(RealWindow& real, const Action& action) {
  switch (action.kind) {
    case ActionKind::Type:
      test::TypeText(action.text);
      break;
    case ActionKind::Backspace:
      test::PressKey(VK_BACK);
      break;
    case ActionKind::Delete:
      test::PressKey(VK_DELETE);
      break;
    case ActionKind::Home:
      test::PressKey(VK_HOME);
      break;
    case ActionKind::End:
      test::PressKey(VK_END);
      break;
    case ActionKind::SelectAll:
      SendMessageA(FocusedBox(), EM_SETSEL, 0, -1);
      break;
    case ActionKind::Paste:
      test::SetClipboardText(action.text.c_str());
      test::PressKeyWith(VK_CONTROL, 'V');
      break;
    case ActionKind::Tab:
      test::PressKey(VK_TAB);
      break;
    case ActionKind::ShiftTab:
      test::PressKeyWith(VK_SHIFT, VK_TAB);
      break;
    case ActionKind::ClickBox:
      test::ClickAt(ClickPoint(real, action.control, true));
      test::PressKey(VK_END);
      break;
    case ActionKind::ClickLabel:
      test::ClickAt(ClickPoint(real, action.control, false));
      break;
    case ActionKind::Deactivate:
      if (!IsWindowVisible(real.other)) ShowWindow(real.other, SW_SHOW);
      SetForegroundWindow(real.other);
      break;
    case ActionKind::Reactivate:
      SetForegroundWindow(real.main);
      break;
  }
  test::Pump();
}

Observation ObserveRealWindow() {
  Observation observed;
  const HWND focus = GetFocus();
  for (std::size_t i = 0; i < BoxCount; ++i) {
    const HWND box = test::Box(BoxControl(i));
    observed.texts[i] = WindowText(box);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    observed.selections[i] = std::make_pair(std::size_t{start}, std::size_t{end});
    if (box == focus) observed.focus = i;
  }
  observed.centimetreBoxFocused = centimetreBoxFocused;
  observed.pixelBoxFocused = pixelBoxFocused;
  for (const test::LoggedEvent& event : test::EventLog()) {
    observed.events.push_back(
        ModelEvent{event.control, event.event, event.text, event.centimetreFlag, event.pixelFlag});
  }
  return observed;
}

Observation AwaitExpected(const Observation& expected) {
  test::PumpUntil([&] { return Differences(expected, ObserveRealWindow()).empty(); }, MatchTimeout);
  test::PumpFor(Settle);
  return ObserveRealWindow();
}

bool ResetRealWindow(RealWindow& real) {
  if (GetForegroundWindow() != real.main) {
    SetForegroundWindow(real.main);
    test::PumpUntil([&] { return GetForegroundWindow() == real.main && FocusedBox() != nullptr; });
  }
  SetFocus(test::Box(ResolutionBoxId));
  test::Pump();
  test::SetText(ResolutionBoxId, "72");
  test::Pump();
  test::EventLog().clear();
  return Differences(Expected(StartingWindow()), ObserveRealWindow()).empty();
}

}  // namespace tessavor::model
