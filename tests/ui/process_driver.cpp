// Helpers of the drivers that test a program from outside its process.
#include "tests/ui/process_driver.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/ui/input_events.h"

namespace tessavor::test {

std::string WindowsPath(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  if (!path.empty() && path[0] == '/') result = "Z:" + result;
  return result;
}

ChildProcess::ChildProcess(const std::string& program, const std::string& currentDirectory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + program + "\"";
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &info_)) {
    info_ = PROCESS_INFORMATION{};
  }
}

ChildProcess::~ChildProcess() {
  if (info_.hProcess == nullptr) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

DWORD ChildProcess::WaitForExit(std::chrono::milliseconds timeout) {
  if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return STILL_ACTIVE;
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

namespace {

struct WindowList {
  DWORD processId;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM parameter) {
  auto& list = *reinterpret_cast<WindowList*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == list.processId && IsWindowVisible(window)) list.windows.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
  WindowList list{processId, {}};
  EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&list));
  return list.windows;
}

HWND VisibleWindowOf(DWORD processId, const char* className, const char* title) {
  for (const HWND window : VisibleWindowsOf(processId)) {
    char name[256] = "";
    if (className != nullptr) {
      GetClassNameA(window, name, sizeof name);
      if (std::string(name) != className) continue;
    }
    if (title != nullptr) {
      GetWindowTextA(window, name, sizeof name);
      if (std::string(name) != title) continue;
    }
    return window;
  }
  return nullptr;
}

HWND WaitForWindow(DWORD processId, const char* className, const char* title, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = VisibleWindowOf(processId, className, title)) != nullptr; }, timeout);
  return found;
}

HWND ChildWithId(HWND parent, int id) { return GetDlgItem(parent, id); }

std::string TextOf(HWND window) {
  char text[512] = "";
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      &copied);
  return std::string(text, copied);
}

std::optional<std::string> WholeTextOf(HWND window, std::chrono::milliseconds timeout) {
  const auto wait = static_cast<UINT>(timeout.count());
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, wait, &length)) return std::nullopt;
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, wait,
                           &copied)) {
    return std::nullopt;
  }
  text.resize(copied);
  return text;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

namespace {

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(50);
}

}  // namespace

void PressKey(WORD key) { Send({KeyInput(key, false), KeyInput(key, true)}); }

void PressKeyWith(WORD modifier, WORD key) {
  Send({KeyInput(modifier, false), KeyInput(key, false), KeyInput(key, true), KeyInput(modifier, true)});
}

void ClickAt(POINT screenPoint, WORD modifier) {
  SetCursorPos(screenPoint.x, screenPoint.y);
  std::vector<INPUT> inputs{ButtonInput(MOUSEEVENTF_LEFTDOWN), ButtonInput(MOUSEEVENTF_LEFTUP)};
  if (modifier != 0) {
    inputs.insert(inputs.begin(), KeyInput(modifier, false));
    inputs.push_back(KeyInput(modifier, true));
  }
  Send(inputs);
}

void TypeText(const std::string& text) {
  for (const char c : text) {
    const WORD key = KeyOfCharacter(c);
    if (key != 0) {
      PressKey(key);
    } else {
      const auto character = static_cast<wchar_t>(static_cast<unsigned char>(c));
      Send({CharacterInput(character, false), CharacterInput(character, true)});
    }
  }
}

bool BringToFront(HWND window) {
  if (!WaitUntil([&] { return FocusOf(window) != nullptr; })) return false;
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; });
}

bool PutTextOnClipboard(const std::string& text) {
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block == nullptr) return false;
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_TEXT, block) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(block);
  return placed;
}

void ClearClipboard() {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  CloseClipboard();
}

std::vector<std::string> FileLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

MessageBoxTexts ReadMessageBox(HWND box) {
  // The static control that shows a message box's text has the id 0xFFFF.
  wchar_t caption[64] = L"";
  GetWindowTextW(box, caption, static_cast<int>(std::size(caption)));
  wchar_t text[512] = L"";
  GetDlgItemTextW(box, 0xFFFF, text, static_cast<int>(std::size(text)));
  return {caption, text};
}

std::map<std::string, std::string> NamedArguments(int argc, char** argv) {
  std::map<std::string, std::string> named;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const std::size_t equals = argument.find('=');
    if (equals != std::string::npos) named[argument.substr(0, equals)] = argument.substr(equals + 1);
  }
  return named;
}

}  // namespace tessavor::test
