// Keyboard navigation and activation with real input: Tab and Shift+Tab
// cycle through the three boxes, the focus comes back to the box that had
// it when the window is activated again, and Esc, Enter and F1 do nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/converter.h"
#include "tests/ui/window_test_support.h"
#include "ui/control_event.h"

namespace tessavor::test {
namespace {

using E = ControlEvent;
using Navigation = MainWindowTest;

struct Step {
  bool shift;
  std::uint32_t focus;
};

TEST_F(Navigation, TabAndShiftTabCycleThroughTheBoxesOnly) {
  const Step steps[] = {
      {false, CentimetreBoxId}, {false, PixelBoxId}, {false, ResolutionBoxId},  // 像素 wraps to 分辨率
      {true, PixelBoxId},                                                        // 分辨率 back to 像素
      {true, CentimetreBoxId},  {true, ResolutionBoxId},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << (step.shift ? "Shift+Tab to " : "Tab to ") << std::hex << step.focus);
    if (step.shift) {
      PressKeyWith(VK_SHIFT, VK_TAB);
    } else {
      PressKey(VK_TAB);
    }
    EXPECT_EQ(GetFocus(), Box(step.focus));
  }
}

// The Tab press is consumed: the box sees no character and its text and
// selection stay; the focus move selects nothing.
TEST_F(Navigation, TabIsConsumedAndSelectsNothing) {
  SetText(CentimetreBoxId, "12");
  EventLog().clear();
  PressKey(VK_TAB);
  EXPECT_EQ(TextOf(CentimetreBoxId), "12");
  DWORD start = 1;
  DWORD end = 1;
  SendMessageA(Box(CentimetreBoxId), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{ResolutionBoxId, E::FocusLost}, {CentimetreBoxId, E::FocusGained}}));
}

TEST_F(Navigation, EscEnterAndF1DoNothingAtWindowLevel) {
  PressKey(VK_TAB);
  for (const WORD key : {VK_ESCAPE, VK_RETURN, VK_F1}) {
    SCOPED_TRACE(key);
    PressKey(key);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetFocus(), Box(CentimetreBoxId));
  }
}

// Another window takes the activation: the box normalises and loses the
// focus. Activated again, the window gives the focus back to that box.
TEST_F(Navigation, FocusReturnsToItsBoxWhenTheWindowIsActivatedAgain) {
  PressKey(VK_TAB);
  TypeText("2.50");
  const HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  EventLog().clear();
  ShowWindow(other, SW_SHOW);
  SetForegroundWindow(other);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other; }));
  PumpFor(std::chrono::milliseconds(100));
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{CentimetreBoxId, E::TextChanged},
                                                 {PixelBoxId, E::TextChanged},
                                                 {CentimetreBoxId, E::FocusLost}}));
  EXPECT_EQ(TextOf(CentimetreBoxId), "2.5");
  EXPECT_EQ(centimetreBoxFocused, 0);

  EventLog().clear();
  SetForegroundWindow(window);
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == Box(CentimetreBoxId); }));
  PumpFor(std::chrono::milliseconds(100));
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{CentimetreBoxId, E::FocusGained}}));
  EXPECT_EQ(centimetreBoxFocused, 1);
  DestroyWindow(other);
}

}  // namespace
}  // namespace tessavor::test
