// A stand-in browser for the link label tests. The test prefix's http and
// https "open" commands name it, so the shell starts it with the address as
// its argument. It appends that address as one line to the file named by
// TESSAVOR_URL_RECORD, and with TESSAVOR_RECORDER_WINDOW_MS=n it then shows
// and activates a window for n ms, taking the activation as a browser would.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

constexpr char RecordVariable[] = "TESSAVOR_URL_RECORD";
constexpr char WindowTimeVariable[] = "TESSAVOR_RECORDER_WINDOW_MS";
// The drivers find the recorder's window by this title.
constexpr char WindowTitle[] = "Tessavor URL recorder";
constexpr UINT_PTR CloseTimer = 1;

std::string Variable(const char* name) {
  char value[MAX_PATH] = "";
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

// The argument after the program's own name, without its quotes.
std::string Address(const char* commandLine) {
  std::string line = commandLine;
  std::size_t start = 0;
  if (line.starts_with('"')) {
    start = line.find('"', 1);
    start = start == std::string::npos ? line.size() : start + 1;
  } else {
    start = line.find(' ');
    if (start == std::string::npos) start = line.size();
  }
  start = line.find_first_not_of(' ', start);
  if (start == std::string::npos) return "";
  std::string address = line.substr(start);
  if (address.size() >= 2 && address.front() == '"' && address.back() == '"') {
    address = address.substr(1, address.size() - 2);
  }
  return address;
}

// One write per record, appended, so records of overlapping runs never mix.
void Record(const std::string& file, const std::string& address) {
  const HANDLE handle =
      CreateFileA(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return;
  const std::string line = address + "\r\n";
  DWORD written = 0;
  WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(handle);
}

LRESULT CALLBACK RecorderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void ShowWindowFor(UINT milliseconds) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = RecorderWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  windowClass.lpszClassName = "TessavorUrlRecorder";
  RegisterClassA(&windowClass);
  const HWND window = CreateWindowExA(0, windowClass.lpszClassName, WindowTitle, WS_OVERLAPPEDWINDOW, 40, 40, 320,
                                      200, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window == nullptr) return;
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  SetTimer(window, CloseTimer, milliseconds, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string file = Variable(RecordVariable);
  if (file.empty()) file = "url-recorder.txt";
  Record(file, Address(GetCommandLineA()));
  const std::string windowTime = Variable(WindowTimeVariable);
  if (!windowTime.empty()) ShowWindowFor(static_cast<UINT>(std::strtoul(windowTime.c_str(), nullptr, 10)));
  return 0;
}
