// ProgramMain and its steps, in the order the program depends on: the
// process is prepared and the floating-point unit reset before the first
// window exists, so every handler runs in that state.
#include "app/lifecycle.h"

#include <windows.h>
#include <ole2.h>

#include <string>

#include "app/fpu.h"
#include "app/message_loop.h"
#include "app/program_folder.h"
#include "core/converter.h"
#include "ui/control_event.h"
#include "ui/fatal_error.h"
#include "ui/form_description.h"
#include "ui/main_window.h"
#include "ui/window_icon.h"
#include "ui/window_registry.h"

namespace tessavor {

void (*endHook)() = nullptr;

namespace {

bool oleInitialised = false;

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// The program's own folder becomes the current directory, whatever the
// directory it was started from.
void EnterProgramFolder() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  const std::size_t slash = LastBackslash(std::string_view(path, length), IsLeadByte);
  const std::string folder(path, slash == std::string_view::npos ? 0 : slash);
  SetCurrentDirectoryA(folder.c_str());
}

}  // namespace

void PrepareProcess() {
  // The heap needs no step here: every block already comes from the process
  // heap (app/heap.cpp), which exists before the first allocation.
  if (!oleInitialised) {
    OleInitialize(nullptr);
    oleInitialised = true;
  }
  EnterProgramFolder();
  if (FormDescriptions().empty()) {
    ReportFatalError("\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!"
                     /* 载入窗口模板数据段出错! */,
                     0);
  }
}

void LoadStartupWindow(std::uint32_t window) {
  if (!BuildWindow(window)) {
    ReportFatalError("\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC" /* 载入启动窗口失败 */, 0);
  }
  for (const FormDescription& form : FormDescriptions()) {
    if (form.window.identifier == window && form.window.visible) {
      // Showing activates the window, and the activation puts the focus into
      // the first box; the start-up then reports that focus once more.
      ShowWindow(BuiltWindowHandle(window), SW_SHOW);
      RaiseFocusGainedOfFocusedControl();
    }
  }
}

std::int32_t ProgramMain() {
  PrepareProcess();
  ResetFloatingPointUnit();
  InitGlobals();
  endHook = OnProgramEnd;
  LoadStartupWindow(MainWindowId);
  RunMessageLoop();
  return 0;
}

void CleanUpProcess(std::int32_t) {
  ++eventsSuspended;
  // The form description is constant data; there is nothing to release.
  if (endHook != nullptr) {
    void (*const hook)() = endHook;
    endHook = nullptr;
    hook();
  }
  ReleaseWindowIcons();
  if (oleInitialised) {
    OleUninitialize();
    oleInitialised = false;
  }
}

}  // namespace tessavor
