// Which native window each record of the built form became. One window is
// built per process, so this is file-scope state: filled by BuildWindow,
// emptied when the window is destroyed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "ui/form_description.h"

namespace tessavor {

struct BuiltControl {
  const ControlRecord* record;
  HWND handle;
};

void RememberBuiltWindow(const FormDescription& form, HWND handle);
void RememberBuiltControl(const ControlRecord& record, HWND handle);
void ForgetBuiltWindow();

// The built window's handle, or null when that window is not (or no longer)
// built.
HWND BuiltWindowHandle(std::uint32_t window);
// The identifier of the window that `handle` is, or 0.
std::uint32_t BuiltWindowIdentifier(HWND handle);

// The built controls in creation order; empty when no window is built.
std::span<const BuiltControl> BuiltControls();
const BuiltControl* FindBuiltControl(std::uint32_t window, std::uint32_t control);
const BuiltControl* FindBuiltControlByHandle(HWND handle);

}  // namespace tessavor
