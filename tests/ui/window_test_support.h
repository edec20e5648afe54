// Support for the tests that build the real window inside the test process:
// the event log that the test's binding table fills, message pumping through
// the program's own dispatch step, and real keyboard and mouse input.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_event.h"

namespace tessavor::test {

// One delivered event, with what its handler saw when it was called.
struct LoggedEvent {
  std::uint32_t control;
  ControlEvent event;
  std::string text;             // the box's text (edit boxes only)
  std::int32_t centimetreFlag;  // the converter's flags before the handler ran
  std::int32_t pixelFlag;
  std::vector<std::int32_t> arguments;
  bool windowBuilt;             // whether the main window still counted as built
};
std::ostream& operator<<(std::ostream& out, const LoggedEvent& event);

// Every event the test table received since the last clear, bound or not in
// the program's own table; the program's bindings are forwarded to.
std::vector<LoggedEvent>& EventLog();
// What the test's LeftButtonDown handlers return; none by default.
extern std::optional<std::int32_t> leftButtonDownReply;

// An event's control and kind, for comparing orders.
struct EventKey {
  std::uint32_t control;
  ControlEvent event;
  bool operator==(const EventKey&) const = default;
};
std::ostream& operator<<(std::ostream& out, const EventKey& key);
std::vector<EventKey> LoggedKeys();

// Thrown by the test's ReportFatalError, so a fatal path can be observed.
struct FatalErrorReported {
  std::string message;
  std::int32_t code;
};

// Dispatches what is queued through the program's dispatch step.
void Pump();
void PumpFor(std::chrono::milliseconds duration);
// Pumps until `done` holds or the timeout passes; returns whether it held.
template <typename Condition>
bool PumpUntil(Condition done, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    Pump();
    if (done()) return true;
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(5);
  }
}

// Real input through SendInput, then pumped until the queue is quiet.
void TypeText(std::string_view text);  // digits, '-', '.', others as Unicode characters
void PressKey(WORD key);
void PressKeyWith(WORD modifier, WORD key);  // Shift+Tab, Ctrl+V, Alt+F4
void ClickAt(POINT screenPoint);
void ClickAtWith(WORD modifier, POINT screenPoint);

void SetClipboardText(const char* text);

HWND Box(std::uint32_t control);   // the built control's window
std::string TextOf(std::uint32_t control);
void SetText(std::uint32_t control, const char* text);  // a plain WM_SETTEXT, like a paste

// Builds and shows the main window as the start-up does, and destroys it
// again, leaving the converter's flags at 0.
class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  HWND window = nullptr;
};

}  // namespace tessavor::test
