// The text property of the edit boxes as the converter sees it: reads that
// raise nothing, and writes that deliver exactly one TextChanged.
#include <windows.h>

#include "core/control_host.h"
#include "ui/edit_box.h"
#include "ui/fatal_error.h"
#include "ui/window_registry.h"
#include "ui/window_text.h"

namespace tessavor {

namespace {

// Null for a control the window does not have or that is not an edit box;
// the converter never names one. A window that is not built is fatal.
HWND EditBoxOf(std::uint32_t window, std::uint32_t control) {
  if (BuiltWindowHandle(window) == nullptr) {
    ReportFatalError("\xCE\xB4\xD4\xD8\xC8\xEB\xD3\xFB\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCB\xF9"
                     "\xD4\xDA\xB5\xC4\xB4\xB0\xBF\xDA" /* 未载入欲访问窗口组件所在的窗口 */,
                     0);
  }
  const BuiltControl* built = FindBuiltControl(window, control);
  if (built == nullptr || built->record->kind != ControlKind::EditBox) return nullptr;
  return built->handle;
}

}  // namespace

std::optional<std::string> ReadControlText(std::uint32_t window, std::uint32_t control) {
  const HWND box = EditBoxOf(window, control);
  if (box == nullptr) return std::nullopt;
  std::string text = WindowText(box);
  if (text.empty()) return std::nullopt;
  return text;
}

void WriteControlText(std::uint32_t window, std::uint32_t control, std::string_view text) {
  if (const HWND box = EditBoxOf(window, control)) WriteEditBoxText(box, text);
}

}  // namespace tessavor
