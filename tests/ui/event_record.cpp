// The record of the event-recording test build: one line per event that the
// recording table receives, and one when the main window is told it is being
// destroyed, in the end hook's file. A driver then sees whether any event
// came after the window was gone.
#include <windows.h>

#include <string>

#include "app/lifecycle.h"
#include "core/control_host.h"
#include "core/converter.h"
#include "tests/ui/recording_bindings.h"
#include "tests/ui/test_programs.h"
#include "ui/window_registry.h"

namespace tessavor {

namespace test {

std::optional<std::int32_t> leftButtonDownReply;

// "event <control> <number> <flags> <text>", the text only while the window
// still counts as built; otherwise "gone" takes its place.
void RecordDeliveredEvent(std::uint32_t control, ControlEvent event, EventArguments) {
  char line[64];
  wsprintfA(line, "event %08x %d %d%d ", control, static_cast<int>(event), centimetreBoxFocused, pixelBoxFocused);
  std::string text = line;
  if (BuiltWindowHandle(MainWindowId) == nullptr) {
    text += "gone";
  } else if (control == ResolutionBoxId || control == CentimetreBoxId || control == PixelBoxId) {
    // Appended piece by piece: g++ 12 warns wrongly about "literal" + std::string.
    text.append("\"").append(ReadControlText(MainWindowId, control).value_or("")).append("\"");
  }
  AppendRecordLine(text);
}

namespace {

// Sent messages reach this before the window procedure sees them, so the
// line is written before anything the window does about its destruction.
LRESULT CALLBACK MarkDestruction(int code, WPARAM wParam, LPARAM lParam) {
  const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && sent.message == WM_DESTROY && sent.hwnd != nullptr &&
      sent.hwnd == BuiltWindowHandle(MainWindowId)) {
    AppendRecordLine("WM_DESTROY");
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

}  // namespace test

// The start-up hook of this build watches the thread's sent messages; the
// hook stays until the thread ends.
void InitGlobals() { SetWindowsHookExA(WH_CALLWNDPROC, test::MarkDestruction, nullptr, GetCurrentThreadId()); }

}  // namespace tessavor
