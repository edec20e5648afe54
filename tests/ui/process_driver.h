// Driving a program in a process of its own, as a user would: start it, find
// its windows, type and click with real input, read its boxes with
// WM_GETTEXT (which crosses processes, unlike GetWindowTextA), and collect
// its exit code.
#pragma once

#include <windows.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tessavor::test {

// A path as Windows programs take it: a Unix path from the build becomes a
// path on drive Z:, which Wine maps to the root.
std::string WindowsPath(const std::string& path);

// A started program; it is ended (by its own handle) if a test leaves it running.
class ChildProcess {
 public:
  ChildProcess(const std::string& program, const std::string& currentDirectory = "");
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();
  bool started() const { return info_.hProcess != nullptr; }
  DWORD id() const { return info_.dwProcessId; }
  // The process handle, with full access: for its memory counters.
  HANDLE handle() const { return info_.hProcess; }
  // The exit code, or STILL_ACTIVE when it has not ended within the timeout.
  DWORD WaitForExit(std::chrono::milliseconds timeout = std::chrono::milliseconds(10000));

 private:
  PROCESS_INFORMATION info_{};
};

// The visible top-level windows of the process, in z-order.
std::vector<HWND> VisibleWindowsOf(DWORD processId);
// A visible top-level window of the process with that class and/or title
// (null: any), or null when there is none now.
HWND VisibleWindowOf(DWORD processId, const char* className, const char* title);
// The same, waited for; null when none appears within the timeout.
HWND WaitForWindow(DWORD processId, const char* className, const char* title,
                   std::chrono::milliseconds timeout = std::chrono::milliseconds(15000));

// The child window with that control identifier.
HWND ChildWithId(HWND parent, int id);
// The text through WM_GETTEXT.
std::string TextOf(HWND window);
// The whole text, however long: its length first, then WM_GETTEXT with a
// buffer that size; none when the window does not answer within the timeout.
std::optional<std::string> WholeTextOf(HWND window,
                                       std::chrono::milliseconds timeout = std::chrono::milliseconds(120000));
// The window of the thread that owns `window` that holds the keyboard focus.
HWND FocusOf(HWND window);

// Real keys for the foreground window.
void PressKey(WORD key);
void PressKeyWith(WORD modifier, WORD key);
void TypeText(const std::string& text);  // digits, '.' and '-' by their keys, others as characters
// A real press and release of the left button at a screen point, with a
// modifier key (VK_SHIFT, VK_CONTROL) held down around it, or none for 0.
void ClickAt(POINT screenPoint, WORD modifier = 0);

// Polls until `done` holds; false after the timeout.
template <typename Condition>
bool WaitUntil(Condition done, std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    Sleep(20);
  }
  return true;
}

// Waits until the window's thread has put the focus into one of its boxes,
// then makes the window the foreground one, so that real keys reach it;
// false when either does not happen.
bool BringToFront(HWND window);

// Puts `text` on the clipboard as CF_TEXT, for a real Ctrl+V into a box.
bool PutTextOnClipboard(const std::string& text);
// Empties the session's clipboard, so that no large text stays behind.
void ClearClipboard();

// The lines of a text file without their line ends; none when it is missing.
std::vector<std::string> FileLines(const std::string& path);

// The caption and the text of a message box, read as UTF-16 so that they
// compare the same at any ANSI code page.
struct MessageBoxTexts {
  std::wstring caption;
  std::wstring text;
};
MessageBoxTexts ReadMessageBox(HWND box);

// The arguments of the form name=value, after GoogleTest has taken its own.
std::map<std::string, std::string> NamedArguments(int argc, char** argv);

}  // namespace tessavor::test
