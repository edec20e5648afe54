// The main window's class, window procedure and BuildWindow. Its only state
// of its own is the child that held the focus at the last deactivation.
#include "ui/main_window.h"

#include "ui/control_event.h"
#include "ui/edit_box.h"
#include "ui/form_description.h"
#include "ui/label.h"
#include "ui/navigation.h"
#include "ui/window_icon.h"
#include "ui/window_registry.h"

namespace tessavor {

bool messageLoopRunning = false;

namespace {

constexpr char WindowClassName[] = "TessavorWindow";

HWND focusAtDeactivation = nullptr;

HWND BuiltEditBox(HWND handle) {
  const BuiltControl* built = FindBuiltControlByHandle(handle);
  return built != nullptr && built->record->kind == ControlKind::EditBox ? handle : nullptr;
}

LRESULT OnPaint(HWND hwnd) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(hwnd, &paint);
  FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  EndPaint(hwnd, &paint);
  return 0;
}

// Boxes report to their parent; the box itself turns the notice into its
// event, so the window only hands it back.
LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (const HWND box = BuiltEditBox(reinterpret_cast<HWND>(lParam))) {
    return SendMessageA(box, WM_COMMAND, wParam, lParam);
  }
  return DefWindowProcA(hwnd, WM_COMMAND, wParam, lParam);
}

LRESULT OnCtlColorEdit(HWND hwnd, WPARAM dc, LPARAM lParam) {
  if (const HWND box = BuiltEditBox(reinterpret_cast<HWND>(lParam))) {
    return SendMessageA(box, WM_CTLCOLOREDIT, dc, lParam);
  }
  return DefWindowProcA(hwnd, WM_CTLCOLOREDIT, dc, lParam);
}

LRESULT OnActivate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    focusAtDeactivation = focus != nullptr && IsChild(hwnd, focus) ? focus : nullptr;
  }
  return DefWindowProcA(hwnd, WM_ACTIVATE, wParam, lParam);
}

// Activation gives the window the focus; pass it on to the box that had it,
// or to the first box.
LRESULT OnSetFocus(HWND hwnd) {
  HWND target = focusAtDeactivation;
  if (target == nullptr || !IsChild(hwnd, target)) target = FirstTabStop();
  if (target != nullptr) SetFocus(target);
  return 0;
}

// From here on the window counts as not loaded: its boxes' notices are no
// longer handed on, so no control event follows its destruction.
LRESULT OnDestroy() {
  ForgetBuiltWindow();
  focusAtDeactivation = nullptr;
  return 0;
}

LRESULT OnNcDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (messageLoopRunning && !AnyProgramWindowExists()) PostQuitMessage(0);
  return DefWindowProcA(hwnd, WM_NCDESTROY, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint(hwnd);
    case WM_COMMAND:
      return OnCommand(hwnd, wParam, lParam);
    case WM_CTLCOLOREDIT:
      return OnCtlColorEdit(hwnd, wParam, lParam);
    case WM_ACTIVATE:
      return OnActivate(hwnd, wParam, lParam);
    case WM_SETFOCUS:
      return OnSetFocus(hwnd);
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_DESTROY:
      return OnDestroy();
    case WM_NCDESTROY:
      return OnNcDestroy(hwnd, wParam, lParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterWindowClass() {
  static bool registered = false;
  if (registered) return true;
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = WindowClassName;
  registered = RegisterClassA(&windowClass) != 0;
  return registered;
}

const FormDescription* FindForm(std::uint32_t window) {
  for (const FormDescription& form : FormDescriptions()) {
    if (form.window.identifier == window) return &form;
  }
  return nullptr;
}

DWORD WindowStyle(const WindowRecord& record) {
  DWORD style = WS_OVERLAPPED | WS_CLIPCHILDREN;
  if (record.border == Border::FixedFrameClientEdge) style |= WS_CAPTION;
  if (record.controlBox) style |= WS_SYSMENU | WS_CAPTION;
  if (record.minimiseButton) style |= WS_MINIMIZEBOX;
  if (record.maximiseButton) style |= WS_MAXIMIZEBOX;
  if (!record.enabled) style |= WS_DISABLED;
  return style;
}

DWORD WindowExtendedStyle(const WindowRecord& record) {
  return record.border == Border::FixedFrameClientEdge ? WS_EX_CLIENTEDGE : 0;
}

HWND CreateMainWindow(const WindowRecord& record) {
  if (!RegisterWindowClass()) return nullptr;
  int x = record.left;
  int y = record.top;
  if (record.startCentred) {
    x = (GetSystemMetrics(SM_CXSCREEN) - record.width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - record.height) / 2;
  }
  const HWND hwnd = CreateWindowExA(WindowExtendedStyle(record), WindowClassName, record.title, WindowStyle(record),
                                    x, y, record.width, record.height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                    nullptr);
  if (hwnd == nullptr) return nullptr;
  RECT rect;
  GetWindowRect(hwnd, &rect);
  if (rect.right - rect.left != record.width || rect.bottom - rect.top != record.height) {
    MoveWindow(hwnd, x, y, record.width, record.height, FALSE);
  }
  SetWindowIcons(hwnd);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return hwnd;
}

HWND CreateControl(HWND parent, std::uint32_t window, const ControlRecord& record) {
  // Child identifiers are the low words of the control identifiers, which
  // are distinct within the form.
  const int childId = static_cast<int>(record.identifier & 0xFFFF);
  switch (record.kind) {
    case ControlKind::EditBox:
      return CreateEditBox(parent, window, record, childId);
    case ControlKind::Label:
      return CreateLabel(parent, record, childId);
  }
  return nullptr;
}

bool CreateWindowAndControls(const FormDescription& form) {
  const HWND hwnd = CreateMainWindow(form.window);
  if (hwnd == nullptr) return false;
  RememberBuiltWindow(form, hwnd);
  for (const ControlRecord& record : form.controls) {
    const HWND control = CreateControl(hwnd, form.window.identifier, record);
    if (control == nullptr) {
      DestroyWindow(hwnd);
      return false;
    }
    RememberBuiltControl(record, control);
  }
  for (const BuiltControl& built : BuiltControls()) {
    if (built.record->visible) ShowWindow(built.handle, SW_SHOWNA);
  }
  return true;
}

void DispatchWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

bool BuildWindow(std::uint32_t window) {
  const FormDescription* form = FindForm(window);
  if (form == nullptr) return false;
  DispatchWaitingMessages();
  ++eventsSuspended;
  const bool built = CreateWindowAndControls(*form);
  DispatchWaitingMessages();
  if (eventsSuspended > 0) --eventsSuspended;
  return built;
}

bool IsProgramWindow(HWND handle) { return BuiltWindowIdentifier(handle) != 0; }

bool AnyProgramWindowExists() {
  for (const FormDescription& form : FormDescriptions()) {
    const HWND handle = BuiltWindowHandle(form.window.identifier);
    if (handle != nullptr && IsWindow(handle)) return true;
  }
  return false;
}

void RaiseFocusGainedOfFocusedControl() {
  const HWND focus = GetFocus();
  if (const BuiltControl* built = FindBuiltControlByHandle(focus)) {
    const std::uint32_t window = BuiltWindowIdentifier(GetAncestor(focus, GA_PARENT));
    RaiseControlEvent(window, built->record->identifier, ControlEvent::FocusGained);
  }
}

}  // namespace tessavor
