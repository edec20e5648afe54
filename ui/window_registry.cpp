// The registry of the built window and its controls, looked up by identifier
// (text operations) and by handle (notifications and queued messages).
#include "ui/window_registry.h"

#include <vector>

namespace tessavor {

namespace {

const FormDescription* builtForm = nullptr;
HWND builtHandle = nullptr;
std::vector<BuiltControl> builtControls;

}  // namespace

void RememberBuiltWindow(const FormDescription& form, HWND handle) {
  builtForm = &form;
  builtHandle = handle;
  builtControls.clear();
}

void RememberBuiltControl(const ControlRecord& record, HWND handle) {
  builtControls.push_back(BuiltControl{&record, handle});
}

void ForgetBuiltWindow() {
  builtForm = nullptr;
  builtHandle = nullptr;
  builtControls.clear();
}

HWND BuiltWindowHandle(std::uint32_t window) {
  if (builtForm == nullptr || builtForm->window.identifier != window) return nullptr;
  return builtHandle;
}

std::uint32_t BuiltWindowIdentifier(HWND handle) {
  if (builtForm == nullptr || handle == nullptr || handle != builtHandle) return 0;
  return builtForm->window.identifier;
}

std::span<const BuiltControl> BuiltControls() { return builtControls; }

const BuiltControl* FindBuiltControl(std::uint32_t window, std::uint32_t control) {
  if (BuiltWindowHandle(window) == nullptr) return nullptr;
  for (const BuiltControl& built : builtControls) {
    if (built.record->identifier == control) return &built;
  }
  return nullptr;
}

const BuiltControl* FindBuiltControlByHandle(HWND handle) {
  for (const BuiltControl& built : builtControls) {
    if (built.handle == handle) return &built;
  }
  return nullptr;
}

}  // namespace tessavor
