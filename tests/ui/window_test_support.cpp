// Test support for the in-process window tests: the event log that the
// recording binding table fills, pumping, input, clipboard and the fixture
// that builds the window through the start-up routine.
#include "tests/ui/window_test_support.h"

#include <cstring>

#include "app/lifecycle.h"
#include "app/message_loop.h"
#include "core/control_host.h"
#include "core/converter.h"
#include "tests/ui/input_events.h"
#include "tests/ui/recording_bindings.h"
#include "ui/fatal_error.h"
#include "ui/form_description.h"
#include "ui/window_registry.h"
#include "ui/window_text.h"

namespace tessavor {

// A fatal error inside a test becomes an exception the test can catch.
void ReportFatalError(std::string_view message, std::int32_t errorCode) {
  throw test::FatalErrorReported{std::string(message), errorCode};
}

namespace test {

std::vector<LoggedEvent>& EventLog() {
  static std::vector<LoggedEvent> log;
  return log;
}

std::optional<std::int32_t> leftButtonDownReply;

namespace {

bool IsBox(std::uint32_t control) {
  return control == ResolutionBoxId || control == CentimetreBoxId || control == PixelBoxId;
}

}  // namespace

void RecordDeliveredEvent(std::uint32_t control, ControlEvent event, EventArguments arguments) {
  LoggedEvent logged{control, event, "", centimetreBoxFocused, pixelBoxFocused,
                     std::vector<std::int32_t>(arguments.begin(), arguments.end()),
                     BuiltWindowHandle(MainWindowId) != nullptr};
  if (IsBox(control)) logged.text = ReadControlText(MainWindowId, control).value_or("");
  EventLog().push_back(logged);
}

namespace {

// Injected input is queued at once; give the queue a moment to settle.
constexpr std::chrono::milliseconds InputSettle(60);

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  PumpFor(InputSettle);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const LoggedEvent& event) {
  out << std::hex << event.control << std::dec << ":" << static_cast<int>(event.event) << " \"" << event.text
      << "\" flags " << event.centimetreFlag << event.pixelFlag;
  for (std::int32_t argument : event.arguments) out << " " << argument;
  return out;
}

std::ostream& operator<<(std::ostream& out, const EventKey& key) {
  return out << std::hex << key.control << std::dec << ":" << static_cast<int>(key.event);
}

std::vector<EventKey> LoggedKeys() {
  std::vector<EventKey> keys;
  for (const LoggedEvent& event : EventLog()) keys.push_back(EventKey{event.control, event.event});
  return keys;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    // A window destroyed after a test ran the real loop posts a quit; the
    // tests that want it run the loop themselves.
    if (message.message == WM_QUIT) continue;
    DispatchQueuedMessage(message);
  }
}

void PumpFor(std::chrono::milliseconds duration) {
  const auto deadline = std::chrono::steady_clock::now() + duration;
  do {
    Pump();
    Sleep(5);
  } while (std::chrono::steady_clock::now() < deadline);
  Pump();
}

void TypeText(std::string_view text) {
  for (const char c : text) {
    const WORD key = KeyOfCharacter(c);
    if (key != 0) {
      Send({KeyInput(key, false), KeyInput(key, true)});
    } else {
      const auto character = static_cast<wchar_t>(static_cast<unsigned char>(c));
      Send({CharacterInput(character, false), CharacterInput(character, true)});
    }
  }
}

void PressKey(WORD key) { Send({KeyInput(key, false), KeyInput(key, true)}); }

void PressKeyWith(WORD modifier, WORD key) {
  Send({KeyInput(modifier, false), KeyInput(key, false), KeyInput(key, true), KeyInput(modifier, true)});
}

void ClickAt(POINT screenPoint) {
  SetCursorPos(screenPoint.x, screenPoint.y);
  Send({ButtonInput(MOUSEEVENTF_LEFTDOWN), ButtonInput(MOUSEEVENTF_LEFTUP)});
}

void ClickAtWith(WORD modifier, POINT screenPoint) {
  SetCursorPos(screenPoint.x, screenPoint.y);
  Send({KeyInput(modifier, false), ButtonInput(MOUSEEVENTF_LEFTDOWN), ButtonInput(MOUSEEVENTF_LEFTUP),
        KeyInput(modifier, true)});
}

void SetClipboardText(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(block), text, size);
  GlobalUnlock(block);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

HWND Box(std::uint32_t control) {
  const BuiltControl* built = FindBuiltControl(MainWindowId, control);
  return built != nullptr ? built->handle : nullptr;
}

std::string TextOf(std::uint32_t control) { return WindowText(Box(control)); }

void SetText(std::uint32_t control, const char* text) {
  SendMessageA(Box(control), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void MainWindowTest::SetUp() {
  Pump();
  EventLog().clear();
  leftButtonDownReply.reset();
  LoadStartupWindow(MainWindowId);
  window = BuiltWindowHandle(MainWindowId);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);
  ASSERT_TRUE(PumpUntil([] { return GetFocus() == Box(ResolutionBoxId); }));
  PumpFor(InputSettle);
}

void MainWindowTest::TearDown() {
  // Leave any length box through the real focus path, so the converter's
  // flags are 0 for the next test.
  if (IsWindow(window)) {
    SetFocus(Box(ResolutionBoxId));
    Pump();
    DestroyWindow(window);
  }
  Pump();
  EXPECT_EQ(centimetreBoxFocused, 0);
  EXPECT_EQ(pixelBoxFocused, 0);
  centimetreBoxFocused = 0;
  pixelBoxFocused = 0;
  EventLog().clear();
}

}  // namespace test
}  // namespace tessavor
