// The message loop and the pre-dispatch step: presses taken from the queue
// raise LeftButtonDown for their exact window, a returned 0 cancels the
// press, and destroying the window ends the real loop.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/message_loop.h"
#include "core/converter.h"
#include "tests/ui/window_test_support.h"
#include "ui/control_event.h"
#include "ui/form_description.h"
#include "ui/main_window.h"
#include "ui/window_registry.h"

namespace tessavor::test {
namespace {

using E = ControlEvent;
using PreDispatch = MainWindowTest;
using MessageLoop = MainWindowTest;

POINT ScreenPointIn(HWND control, POINT clientPoint) {
  ClientToScreen(control, &clientPoint);
  return clientPoint;
}

struct Press {
  std::uint32_t control;
  POINT point;  // client coordinates of the control
  WORD modifier;
  std::int32_t keyState;
};

// Real clicks: the event carries the client position and the key state, and
// a press on a label leaves the focus where it was.
TEST_F(PreDispatch, LeftButtonDownCarriesPositionAndKeyState) {
  const Press presses[] = {
      {Label5Id, {143, 15}, 0, 0},        // the far corner of the link label, beyond its text
      {Label5Id, {2, 2}, VK_SHIFT, 2},
      {Label4Id, {100, 60}, VK_CONTROL, 1},
      {Label1Id, {5, 5}, 0, 0},
  };
  for (const Press& press : presses) {
    SCOPED_TRACE(testing::Message() << std::hex << press.control);
    EventLog().clear();
    const POINT screen = ScreenPointIn(Box(press.control), press.point);
    if (press.modifier != 0) {
      ClickAtWith(press.modifier, screen);
    } else {
      ClickAt(screen);
    }
    ASSERT_EQ(LoggedKeys(), (std::vector<EventKey>{{press.control, E::LeftButtonDown}}));
    EXPECT_EQ(EventLog()[0].arguments, (std::vector<std::int32_t>{press.point.x, press.point.y, press.keyState}));
    EXPECT_EQ(GetFocus(), Box(ResolutionBoxId));
    PumpFor(std::chrono::milliseconds(600));  // no double click with the next press
  }
}

TEST_F(PreDispatch, PressOnTheWindowItselfIsItsOwnEvent) {
  RECT client;
  GetClientRect(window, &client);
  EventLog().clear();
  ClickAt(ScreenPointIn(window, POINT{client.right - 3, 3}));
  ASSERT_EQ(LoggedKeys(), (std::vector<EventKey>{{MainWindowId, E::LeftButtonDown}}));
}

// The second press of a double click arrives as a double-click message and
// raises no LeftButtonDown; a third press is a plain press again.
TEST_F(PreDispatch, SecondPressOfADoubleClickRaisesNothing) {
  const POINT screen = ScreenPointIn(Box(Label5Id), POINT{20, 8});
  EventLog().clear();
  ClickAt(screen);
  ClickAt(screen);
  ClickAt(screen);
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{Label5Id, E::LeftButtonDown}, {Label5Id, E::LeftButtonDown}}));
}

// A handler that returns 0 cancels the press: the box never sees it and the
// focus stays. Returning nothing lets the press through.
TEST_F(PreDispatch, AReturnedZeroCancelsThePress) {
  RECT line;
  GetClientRect(Box(CentimetreBoxId), &line);
  const POINT onTheLine = ScreenPointIn(Box(CentimetreBoxId), POINT{20, line.bottom / 2});
  leftButtonDownReply = 0;
  ClickAt(onTheLine);
  EXPECT_EQ(GetFocus(), Box(ResolutionBoxId));
  leftButtonDownReply = 1;
  PumpFor(std::chrono::milliseconds(600));
  ClickAt(onTheLine);
  EXPECT_EQ(GetFocus(), Box(CentimetreBoxId));
}

// Only queued presses are events: one sent straight to the window procedure
// bypasses the loop.
TEST_F(PreDispatch, SentPressesRaiseNothing) {
  EventLog().clear();
  SendMessageA(Box(Label5Id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  EXPECT_TRUE(EventLog().empty());
  PostMessageA(Box(Label5Id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  Pump();
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{Label5Id, E::LeftButtonDown}}));
}

// The real loop: queued presses and keys reach the pre-dispatch step, and
// closing the window ends the loop with exit code 0.
TEST_F(MessageLoop, RunsUntilTheWindowIsClosed) {
  EventLog().clear();
  PostMessageA(Box(Label5Id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 9));
  PostMessageA(Box(ResolutionBoxId), WM_KEYDOWN, VK_TAB, 0);
  PostMessageA(window, WM_CLOSE, 0, 0);
  RunMessageLoop();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(AnyProgramWindowExists());
  EXPECT_EQ(QuitCode(), 0);
  ASSERT_GE(EventLog().size(), 3u);
  EXPECT_EQ(LoggedKeys()[0], (EventKey{Label5Id, E::LeftButtonDown}));
  EXPECT_EQ(EventLog()[0].arguments, (std::vector<std::int32_t>{7, 9, 0}));
  EXPECT_EQ(LoggedKeys()[1], (EventKey{ResolutionBoxId, E::FocusLost}));
  EXPECT_EQ(LoggedKeys()[2], (EventKey{CentimetreBoxId, E::FocusGained}));
}

TEST_F(MessageLoop, ReturnsAtOnceWithoutAWindow) {
  SetFocus(Box(ResolutionBoxId));
  DestroyWindow(window);
  Pump();
  PostMessageA(nullptr, WM_USER, 0, 0);  // would be taken if the loop ran
  RunMessageLoop();
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_REMOVE));
}

// Closing deactivates the window first, so the box that had the focus is
// left as usual; everything is delivered while the window still exists, and
// the window's destruction itself delivers nothing.
TEST_F(MessageLoop, ClosingDeliversNothingOnceTheWindowIsDestroyed) {
  PressKey(VK_TAB);
  TypeText("2.50");
  EventLog().clear();
  PostMessageA(window, WM_CLOSE, 0, 0);
  RunMessageLoop();
  for (const LoggedEvent& event : EventLog()) {
    SCOPED_TRACE(testing::Message() << event);
    EXPECT_TRUE(event.windowBuilt);
  }
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{CentimetreBoxId, E::TextChanged},
                                                 {PixelBoxId, E::TextChanged},
                                                 {CentimetreBoxId, E::FocusLost}}));
}

// From WM_DESTROY on the window no longer hands its boxes their notices, so
// a notice that arrives while the children are destroyed raises nothing.
TEST_F(MessageLoop, NoticesAfterTheDestroyMessageRaiseNothing) {
  PressKey(VK_TAB);
  TypeText("2.50");
  const HWND box = Box(CentimetreBoxId);
  SendMessageA(window, WM_DESTROY, 0, 0);
  EventLog().clear();
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(box));
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(0, EN_KILLFOCUS), reinterpret_cast<LPARAM>(box));
  DestroyWindow(window);
  Pump();
  EXPECT_TRUE(EventLog().empty());
  EXPECT_EQ(Box(CentimetreBoxId), nullptr);  // no box counts as built any more
  // The converter never heard of the focus loss; leave its flag as a new
  // start-up would find it.
  centimetreBoxFocused = 0;
}

}  // namespace
}  // namespace tessavor::test
